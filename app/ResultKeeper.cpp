// SPDX-License-Identifier: MIT
#include "app/ResultKeeper.h"

#include "app/LabReport.h"
#include "foundation/ErrorReporter.h"
#include "foundation/SaveDialog.h"
#include "foundation/Utf8Text.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QUuid>

namespace {

constexpr QStringView kCaption = u"Ошибка записи";

ResultKeeper::Dialogs& dialogs() {
    static ResultKeeper::Dialogs current;
    return current;
}

ResultKeeper::Clock& stampClock() {
    static ResultKeeper::Clock current;
    return current;
}

QString askFileName(QWidget* parent, const QString& proposed) {
    if (dialogs().saveFileName)
        return dialogs().saveFileName(parent, proposed);
    return SaveDialog::ask(parent, QStringLiteral("Сохранить отчёт"),
                           QStringLiteral("Документ PDF (*.pdf)"), proposed);
}

bool setUpPrinter(QWidget* parent, QPrinter& printer) {
    if (dialogs().setUpPrinter)
        return dialogs().setUpPrinter(parent, printer);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

ResultKeeper::ResultKeeper(ResultsJournal journal, JournalSettings settings)
    : journal_(std::move(journal)), settings_(std::move(settings)),
      outbox_(journal_.outboxFolder()) {
    connect(&sender_, &ResultSender::delivered, this, &ResultKeeper::delivered);
}

void ResultKeeper::startUp(QWidget* screen) {
    if (settings_.state == JournalSettings::State::Invalid)
        showErrorBox(screen,
                     QStringLiteral("Журнал группы не подключён: в файле настроек %1 %2.\n"
                                    "Результаты сохраняются только на этом компьютере.")
                         .arg(QDir::toNativeSeparators(settings_.file), settings_.problem),
                     QStringLiteral("Журнал группы"));
    else if (settings_.state == JournalSettings::State::Valid && !outbox_.waiting().isEmpty())
        sender_.send();
}

void ResultKeeper::sendToClassJournal() {
    settled_ = false;
    if (settings_.state == JournalSettings::State::NotConfigured)
        return;
    QString reason = QStringLiteral("настройки журнала группы неверны");
    if (settings_.state == JournalSettings::State::Valid && outbox_.put(result_, &reason)) {
        Q_EMIT classJournalStatus(QStringLiteral("Результат отправляется в журнал группы…"));
        sender_.send();
        return;
    }
    Q_EMIT classJournalStatus(
        QStringLiteral("Результат сохранён только на этом компьютере: %1.").arg(reason));
}

void ResultKeeper::delivered(const ClassJournal::Delivery& delivery) {
    const QString id = QString::fromStdString(result_.id);
    // A sending begun since may still take it.
    if (id.isEmpty() || settled_ || sender_.busy())
        return;
    // Another lab of this account may have sent it from the outbox they share: a result
    // leaves the outbox only once the server has confirmed it or refused it.
    const bool refused = delivery.refused.contains(id) || outbox_.wasRefused(id);
    const bool sent = delivery.sent.contains(id) || (!refused && !outbox_.isWaiting(id));
    settled_ = sent || refused;
    if (sent)
        Q_EMIT classJournalStatus(QStringLiteral("Результат записан в журнал группы."));
    else if (refused)
        Q_EMIT classJournalStatus(
            QStringLiteral("Журнал группы не принял результат; он сохранён на этом компьютере."));
    else if (delivery.failure != ClassJournal::Failure::None)
        Q_EMIT classJournalStatus(
            QStringLiteral("Результат сохранён на этом компьютере и будет отправлен в журнал "
                           "группы позже: %1.")
                .arg(ClassJournal::reasonOf(delivery.failure)));
}

ResultKeeper::Dialogs ResultKeeper::setDialogs(Dialogs replacement) {
    Dialogs previous = std::move(dialogs());
    dialogs() = std::move(replacement);
    return previous;
}

ResultKeeper::Clock ResultKeeper::setClock(Clock replacement) {
    Clock previous = std::move(stampClock());
    stampClock() = std::move(replacement);
    return previous;
}

void ResultKeeper::introFinished(const Knowledge::TestRun& run) {
    intro_ = Record::scoreOf(run);
}

void ResultKeeper::practiceFinished(std::int32_t value, int errors) {
    practiceValue_ = value;
    practiceErrors_ = errors;
}

void ResultKeeper::finalFinished(const Knowledge::TestRun& run, const QString& student1,
                                 const QString& student2, QWidget* screen) {
    const QDateTime now = stampClock() ? stampClock()() : QDateTime::currentDateTime();
    result_ = Record::LabResult{QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString(),
                                now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString(),
                                student1.toStdString(),
                                student2.toStdString(),
                                intro_,
                                Record::scoreOf(run),
                                practiceValue_,
                                practiceErrors_,
                                QCoreApplication::applicationVersion().toStdString()};
    QString reason;
    if (!journal_.append(result_, &reason))
        showErrorBox(screen,
                     QStringLiteral("Результат не записан в журнал %1: %2.\nОтчёт можно сохранить "
                                    "или напечатать.")
                         .arg(QDir::toNativeSeparators(journal_.path()), reason),
                     kCaption.toString());
    sendToClassJournal();
}

void ResultKeeper::saveReport(QWidget* parent) {
    const QString path =
        askFileName(parent, SaveDialog::inDocuments(toQString(Record::reportFileName(result_))));
    if (!path.isEmpty())
        writePdf(parent, path);
}

void ResultKeeper::writePdf(QWidget* parent, const QString& path) {
    QString reason;
    if (!LabReport::savePdf(path, result_, &reason))
        showErrorBox(parent,
                     QStringLiteral("Отчёт не сохранён в файл %1: %2.")
                         .arg(QDir::toNativeSeparators(path), reason),
                     kCaption.toString());
}

void ResultKeeper::printReport(QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    // Also the name a print to a file proposes.
    printer.setDocName(QFileInfo(toQString(Record::reportFileName(result_))).completeBaseName());
    if (!setUpPrinter(parent, printer))
        return;
    // A print to a file is a saved report, and as safe: whole or not at all.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        writePdf(parent, printer.outputFileName());
    else if (!LabReport::print(printer, result_))
        showErrorBox(parent, QStringLiteral("Отчёт не напечатан: принтер не отвечает."),
                     kCaption.toString());
}
