// SPDX-License-Identifier: MIT
#include "app/store/ResultsJournal.h"

#include "app/store/FileLock.h"
#include "app/store/SafeFile.h"
#include "logic/JournalFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

ResultsJournal::ResultsJournal(const QString& folder, int turnWaitMs)
    : folder_(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : folder),
      turnWaitMs_(turnWaitMs) {}

QString ResultsJournal::path() const {
    return QDir(folder_).filePath(QStringLiteral("results.csv"));
}

QString ResultsJournal::outboxFolder() const {
    return QDir(folder_).filePath(QStringLiteral("outbox"));
}

bool ResultsJournal::append(const Record::LabResult& result, QString* reason) const {
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (!QDir().mkpath(folder_))
        return fail(QStringLiteral("не удалось создать папку"));
    // Held from the read to the rename.
    FileLock turn(path() + QStringLiteral(".lock"));
    if (!turn.lock(turnWaitMs_, reason))
        return false;
    // What a writer killed mid-write left beside the journal; no other writer has one now.
    const QString leftovers = QStringLiteral(".%1.*").arg(QFileInfo(path()).fileName());
    for (const QString& leftover : QDir(folder_).entryList({leftovers}, QDir::Files | QDir::Hidden))
        QFile::remove(QDir(folder_).filePath(leftover));
    QByteArray journal;
    QString why;
    if (!SafeFile::read(path(), &journal, &why))
        return fail(why);
    const qsizetype headerEnd = journal.indexOf('\n');
    if (headerEnd > 0 && Record::isOlderHeader(journal.left(headerEnd).toStdString()))
        // The new columns are named; the older lines just lack them.
        journal.replace(0, headerEnd, QByteArray::fromStdString(Record::csvHeader()));
    if (journal.isEmpty())
        journal = QByteArray::fromStdString(Record::csvHeader()) + '\n';
    else if (!journal.endsWith('\n'))
        journal += '\n';
    journal += QByteArray::fromStdString(Record::csvLine(result)) + '\n';
    return SafeFile::replace(path(), journal, reason);
}
