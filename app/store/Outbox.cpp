// SPDX-License-Identifier: MIT
#include "app/store/Outbox.h"

#include "app/store/SafeFile.h"
#include "logic/JournalFormat.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

bool Outbox::put(const Record::LabResult& result, QString* reason) const {
    QDir().mkpath(folder_); // where it cannot be made, the write below says why
    // Named by the time it was put in, so that the names sort oldest first.
    const QString name = QStringLiteral("%1-%2.csv")
                             .arg(QDateTime::currentMSecsSinceEpoch(), 15, 10, QLatin1Char('0'))
                             .arg(QString::fromStdString(result.id));
    const QByteArray text =
        QByteArray::fromStdString(Record::csvHeader() + '\n' + Record::csvLine(result) + '\n');
    return SafeFile::replace(QDir(folder_).filePath(name), text, reason);
}

QString Outbox::idOf(const QString& file) {
    return file.section(QLatin1Char('-'), 1).chopped(int(qstrlen(".csv")));
}

QStringList Outbox::waiting() const {
    // A file being written is hidden (its name begins with a dot) until it is whole.
    return QDir(folder_).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
}

bool Outbox::isWaiting(const QString& id) const {
    return !QDir(folder_).entryList({QStringLiteral("*-%1.csv").arg(id)}, QDir::Files).isEmpty();
}

bool Outbox::wasRefused(const QString& id) const {
    return !QDir(folder_ + QStringLiteral("/refused"))
                .entryList({QStringLiteral("*-%1.csv").arg(id)}, QDir::Files)
                .isEmpty();
}

std::optional<Record::LabResult> Outbox::read(const QString& file) const {
    QByteArray text;
    if (!SafeFile::read(QDir(folder_).filePath(file), &text, nullptr))
        return std::nullopt;
    Record::JournalReading reading = Record::readJournal(text.toStdString());
    if (reading.results.size() != 1 || reading.results[0].id.empty())
        return std::nullopt;
    return std::move(reading.results[0]);
}

void Outbox::remove(const QString& file) const {
    QFile::remove(QDir(folder_).filePath(file));
}

void Outbox::setAside(const QString& file) const {
    QDir(folder_).mkpath(QStringLiteral("refused"));
    QDir(folder_).rename(file, QStringLiteral("refused/") + file);
}
