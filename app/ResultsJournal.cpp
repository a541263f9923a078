// SPDX-License-Identifier: MIT
#include "app/ResultsJournal.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

ResultsJournal::ResultsJournal(const QString& folder)
    : folder_(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : folder) {}

QString ResultsJournal::path() const {
    return QDir(folder_).filePath(QStringLiteral("results.csv"));
}

bool ResultsJournal::append(const Record::LabResult& result, QString* reason) const {
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (!QDir().mkpath(folder_))
        return fail(QStringLiteral("не удалось создать папку"));
    QByteArray journal;
    QFile old(path());
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly))
            return fail(old.errorString());
        journal = old.readAll();
        old.close();
    }
    if (journal.isEmpty())
        journal = QByteArray::fromStdString(Record::csvHeader()) + '\n';
    else if (!journal.endsWith('\n'))
        journal += '\n';
    journal += QByteArray::fromStdString(Record::csvLine(result)) + '\n';

    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly) || file.write(journal) != journal.size())
        return fail(file.errorString());
    // Flushed to the disk, then renamed over the old journal.
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
