// SPDX-License-Identifier: MIT
#include "LabTestSupport.h"

#include "CoderState.h"

#include "foundation/ErrorReporter.h"
#include "foundation/LabScreen.h"
#include "foundation/LabStyle.h"

#include "app/ResultKeeper.h"
#include "logic/JournalFormat.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cmath>

void prepareLab() {
    static const bool styled = (LabStyle::setUpApplication(*qApp), true);
    Q_UNUSED(styled);
    // The journal and the settings are in folders of this test program's own, and no dialog
    // waits for an answer.
    static const QTemporaryDir home, data, config, systemConfig;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    // No class journal unless a test sets one up, whatever this machine's settings say.
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("XDG_CONFIG_DIRS", systemConfig.path().toUtf8());
    ResultKeeper::setDialogs({[](QWidget*, const QString&) { return QString(); },
                              [](QWidget*, QPrinter&) { return false; }});
    // The offscreen platform's notices of what it cannot do are no faults of the lab.
    QTest::failOnWarning(
        QRegularExpression(QStringLiteral("^(?!This plugin does not support ).*")));
}

LabScreen* screenNo(int n) {
    return std::array<LabScreen*, 9>{
        Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9}[std::size_t(n - 1)];
}

QString showing() {
    QStringList names;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<const LabScreen*>(widget) && widget->isVisible())
            names << widget->objectName();
    names.sort();
    return names.join(QLatin1Char(' '));
}

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) // ASCII by its key, Tab, Return and Backspace included
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), {});
}

namespace {
QString nameOf(const char* name, int number) {
    return QString::fromLatin1(name) + (number < 0 ? QString() : QString::number(number));
}
} // namespace

QString textOf(const QWidget* screen, const char* label, int number) {
    return control<QLabel>(screen, qPrintable(nameOf(label, number)))->text();
}

bool shown(const QWidget* screen, const char* name, int number) {
    return control(screen, qPrintable(nameOf(name, number)))->isVisible();
}

void click(const QWidget* screen, const char* name) {
    QTest::mouseClick(control(screen, name), Qt::LeftButton);
}

void type(const QWidget* screen, const char* field, const QString& text) {
    auto* edit = control<QLineEdit>(screen, field);
    edit->clear();
    typeText(edit, text);
}

QList<std::pair<QString, QString>> coderCells(const Coder::TCodingTrace& trace, int step) {
    const Practice::Entries state = coderState(trace, step);
    QList<std::pair<QString, QString>> cells;
    const auto add = [&cells](int number, const std::string& text) {
        cells.append({nameOf("Edit", number), QString::fromStdString(text)});
    };
    for (std::size_t i = 0; i < 11; ++i)
        add((trace.positive ? 23 : 3) + int(i), state.selector[i]);
    for (std::size_t i = 0; i < 11; ++i)
        add(43 + int(i), state.selector[i]);
    cells.append({QStringLiteral("RxCalcEdit1"),
                  QString::fromStdString(Coder::FormatUet(std::abs(*state.uet), trace.positive))});
    add(22, state.comparator);
    for (const std::size_t i : {1, 0, 2, 3, 4, 5, 6, 7})
        add(14 + int(i), state.registerCells[i]);
    return cells;
}

void setCoderState(const Coder::TCodingTrace& trace, int step) {
    for (const auto& [name, text] : coderCells(trace, step))
        control<QLineEdit>(Form6, qPrintable(name))->setText(text);
}

QStringList journalLines(const ResultsJournal& journal) {
    QFile file(journal.path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

QStringList lastJournalEntry(const ResultsJournal& journal) {
    QStringList fields;
    const auto records = Record::csvRecords(journalLines(journal).join('\n').toStdString());
    for (const std::string& field : records.empty() ? std::vector<std::string>() : records.back())
        fields << QString::fromStdString(field);
    return fields;
}

int darkest(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}
