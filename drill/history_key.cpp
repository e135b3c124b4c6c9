// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/history_key.h"

#include "platform/settings_backend.h"

QString historyKey(const QDateTime &when) {
    return when.toString(QStringLiteral("dd/MM/yy HH:mm:ss"));
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
