// SPDX-License-Identifier: MIT
#pragma once

#include "logic/ResultRecord.h"

#include <QString>
#include <QStringList>

// Results on their way to the class journal: one file each in a folder beside the local
// journal, written whole or not at all, removed only once the server has confirmed it, so a
// result waits there through a server outage, a crash or a power cut. Oldest first.
class Outbox {
public:
    explicit Outbox(const QString& folder) : folder_(folder) {}

    QString folder() const { return folder_; }

    // False, with the reason, when the result could not be put in.
    bool put(const Record::LabResult& result, QString* reason) const;
    // The waiting results' files, oldest first.
    QStringList waiting() const;
    // Whether the result of that id waits, or was put aside as refused.
    bool isWaiting(const QString& id) const;
    bool wasRefused(const QString& id) const;
    // The result a waiting file holds; nothing when it holds none.
    std::optional<Record::LabResult> read(const QString& file) const;
    void remove(const QString& file) const;
    // The id of the result a waiting file holds, by its name.
    static QString idOf(const QString& file);
    // Puts a result the server refused aside, in refused/, to be looked at by a person.
    void setAside(const QString& file) const;

private:
    QString folder_;
};
