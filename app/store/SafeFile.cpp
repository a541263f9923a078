// SPDX-License-Identifier: MIT
#include "app/store/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

bool fail(QString* reason, int error) {
    if (reason)
        *reason = reasonOf(error);
    return false;
}

// Retries what a signal interrupted.
template <typename Call> auto retried(Call call) {
    decltype(call()) result;
    do
        result = call();
    while (result < 0 && errno == EINTR);
    return result;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = retried([&] { return ::write(fd, at, std::size_t(left)); });
        if (written < 0)
            return false;
        at += written;
        left -= written;
    }
    return true;
}

// A new file beside `path`, hidden, with the mode of the file it is to replace (or the
// user's default for a new one).
int createBeside(const QString& path, QByteArray* name) {
    const QFileInfo target(path);
    struct stat old {};
    const mode_t mode =
        ::stat(QFile::encodeName(path).constData(), &old) == 0 ? old.st_mode & 07777 : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = QFile::encodeName(target.dir().filePath(
            QStringLiteral(".%1.%2")
                .arg(target.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))));
        const int fd = retried([&] {
            return ::open(name->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        });
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

bool replace(const QString& path, const QByteArray& bytes, QString* reason) {
    QByteArray temporary;
    const int fd = createBeside(path, &temporary);
    if (fd < 0)
        return fail(reason, errno);
    // A full disk or a size limit may surface at any of these, the last one included.
    const bool written = writeAll(fd, bytes) && retried([fd] { return ::fsync(fd); }) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    const int closeError = errno;
    if (!written || !closed ||
        ::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        const int error = !written ? writeError : !closed ? closeError : errno;
        ::unlink(temporary.constData());
        return fail(reason, error);
    }
    // Makes the rename itself last a power cut; a folder that cannot be synced (some file
    // systems refuse) still holds the whole new file, so that is no failure.
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

bool read(const QString& path, QByteArray* bytes, QString* reason) {
    bytes->clear();
    const int fd =
        retried([&] { return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC); });
    if (fd < 0)
        return errno == ENOENT || fail(reason, errno);
    char chunk[65536];
    ssize_t got = 0;
    while ((got = retried([&] { return ::read(fd, chunk, sizeof chunk); })) > 0)
        bytes->append(chunk, got);
    const int error = errno;
    ::close(fd);
    return got == 0 || fail(reason, error);
}

QString reasonOf(int error) {
    switch (error) {
    case ENOSPC:
        return QStringLiteral("на диске нет свободного места");
    case EDQUOT:
        return QStringLiteral("превышена дисковая квота");
    case EFBIG:
        return QStringLiteral("файл превысил допустимый размер");
    case EIO:
        return QStringLiteral("ошибка ввода-вывода на диске");
    case EROFS:
        return QStringLiteral("диск доступен только для чтения");
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав на запись в эту папку или файл");
    case ENOENT:
        return QStringLiteral("папка не найдена");
    case ENOTDIR:
        return QStringLiteral("в пути к файлу стоит файл, а не папка");
    case EISDIR:
        return QStringLiteral("на месте файла находится папка");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинное имя файла");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("открыто слишком много файлов");
    default:
        return QStringLiteral("системная ошибка %1").arg(error);
    }
}

} // namespace SafeFile
