// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QFile>
#include <QString>

#include <sqlite3.h>

// What the fault tests share about the store's files and their long forms.

inline QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// SQLite's full check, "ok" for a sound file, opened as the next start would
// open it: a journal left hot is rolled back first.
inline QString integrityCheck(const QString &path) {
    sqlite3 *db = nullptr;
    QString result = QStringLiteral("cannot open");
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt *check = nullptr;
        sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
        result =
            sqlite3_step(check) == SQLITE_ROW
                ? QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(check, 0)))
                : QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(check);
    }
    sqlite3_close(db);
    return result;
}

// How many runs a long test makes: its short form unless the environment
// variable asks for more (the long form, see scripts/faults).
inline int runsAsked(const char *variable, int shortForm) {
    bool ok = false;
    const int runs = qEnvironmentVariableIntValue(variable, &ok);
    return ok ? runs : shortForm;
}
