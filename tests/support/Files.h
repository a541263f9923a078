// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

// A journal's header from before the intro test's wrong questions and the ids were kept.
inline constexpr char kOlderJournalHeader[] =
    "Дата и время,Студент 1,Студент 2,Вводный тест: правильных ответов,Итоговый тест: "
    "правильных ответов,Ошибки в вопросах итогового теста,Значение Uаим,Ошибок кодирования";

// A file of these bytes, its folder made if need be; false when it cannot be written.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
