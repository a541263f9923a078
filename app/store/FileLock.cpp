// SPDX-License-Identifier: MIT
#include "app/store/FileLock.h"

#include "app/store/SafeFile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_); // lets the lock go
}

bool FileLock::lock(int waitMs, QString* reason) {
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    fd_ = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0)
        return fail(SafeFile::reasonOf(errno));
    const QDeadlineTimer deadline(waitMs);
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return fail(SafeFile::reasonOf(errno));
        if (deadline.hasExpired())
            return fail(QStringLiteral("он занят другим окном лабораторной работы"));
        QThread::msleep(2);
    }
    return true;
}
