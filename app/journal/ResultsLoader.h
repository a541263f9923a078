// SPDX-License-Identifier: MIT
#pragma once

#include "logic/ResultRecord.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct JournalSettings;

// The results a teacher looks at, from results.csv files collected from the lab PCs or from
// the class journal on the server. Plain functions that block: the view calls them away from
// its window's thread.
namespace ResultsLoader {

struct Loading {
    std::vector<Record::LabResult> results; // each non-empty id once
    QStringList problems;                   // "file: why", in Russian
    int skipped = 0;                        // lines that hold no result of this lab
    QString serverFailure;                  // why the class journal could not be read, in Russian
};

// Called now and then with the work done out of the whole; a total of 0 is unknown.
using Progress = std::function<void(int done, int total)>;

// The files given and every *.csv inside the folders given, at any depth, in name order.
QStringList csvFiles(const QStringList& paths);
// Reads the files and the folders' files, merged.
Loading readFiles(const QStringList& paths, const Progress& progress = {});
// Reads the class journal as the settings' role; the connection is opened, used and closed
// in the calling thread.
Loading readServer(const JournalSettings& login, const Progress& progress = {});
// Adds to `into` what it lacks of `more`: a result whose id is already there is passed over.
void merge(Loading& into, Loading more);

} // namespace ResultsLoader
