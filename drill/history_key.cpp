// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/history_key.h"

#include "platform/settings_backend.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int twoDigits(QByteArrayView text, qsizetype at) {
    if (!isDigit(text[at]) || !isDigit(text[at + 1]))
        return -1;
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

bool isSeparator(char c) {
    return !isDigit(c) && c != ' ';
}

} // namespace

QString historyKey(const QDateTime &when) {
    return when.toString(QStringLiteral("dd/MM/yy HH:mm:ss"));
}

std::optional<KeyTime> readHistoryKey(QByteArrayView key, int thisYear) {
    if (key.size() != 17 || key[8] != ' ')
        return std::nullopt;
    for (qsizetype at : {2, 5, 11, 14}) {
        if (!isSeparator(key[at]))
            return std::nullopt;
    }
    int parts[6];
    for (int i = 0; i < 6; ++i) {
        parts[i] = twoDigits(key, i * 3);
        if (parts[i] < 0)
            return std::nullopt;
    }
    const int year = thisYear - ((thisYear - parts[2]) % 100 + 100) % 100;
    KeyTime written{QDate(year, parts[1], parts[0]), QTime(parts[3], parts[4], parts[5])};
    // The latest year in which the day exists: 29/02/00 read in 2100 is 2000's. Four centuries
    // hold every leap day.
    for (int back = 100; !written.date.isValid() && back < 400; back += 100)
        written.date = QDate(year - back, parts[1], parts[0]);
    if (!written.date.isValid() || !written.time.isValid())
        return std::nullopt;
    return written;
}

bool addRecord(SettingsBackend &store, const QString &section, const QDateTime &when,
               const QString &record, const KnowledgeUpdate &update) {
    // A minute of records in a row is no one's play: more is a hand-made store.
    constexpr int secondsTried = 60;
    for (int later = 0; later < secondsTried; ++later) {
        switch (
            store.insertWithKnowledge(section, historyKey(when.addSecs(later)), record, update)) {
        case SettingsBackend::Insertion::Added:
            return true;
        case SettingsBackend::Insertion::Failed:
            return false;
        case SettingsBackend::Insertion::KeyTaken:
            break;
        }
    }
    return false;
}
