// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A turn among processes: an exclusive lock (flock) on a file beside what it guards. The
// system lets it go when its holder ends, however that happens, so no lock is ever left
// behind; a waiter looks again every few milliseconds, so that among many busy writers
// each gets its turn within its wait.
class FileLock {
public:
    explicit FileLock(const QString& path) : path_(path) {}
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits up to `waitMs` for the turn. False, with the reason, when it did not come or
    // the lock file cannot be made.
    bool lock(int waitMs, QString* reason);

private:
    QString path_;
    int fd_ = -1;
};
