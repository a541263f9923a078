// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Whole files or nothing: what the lab writes for the students and the teacher either reaches
// the disk whole, or the file that stood there stays as it was, byte for byte. Reasons are
// Russian and never name the path (the caller does, once).
namespace SafeFile {

// Writes `bytes` beside `path`, flushes them to the disk and only then renames them over it.
// False, with the reason, when any step failed (no space, a quota, a size limit, an I/O
// error, no right to write); nothing of the new file is then left behind.
bool replace(const QString& path, const QByteArray& bytes, QString* reason);

// The whole of a file. False, with the reason, when it exists but cannot be read; a file
// that does not exist reads as empty.
bool read(const QString& path, QByteArray* bytes, QString* reason);

// The reason for a system error number, in Russian.
QString reasonOf(int error);

} // namespace SafeFile
