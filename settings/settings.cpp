// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "settings/settings.h"

QString GetSetting(SettingsBackend &store, const QString &section, const QString &key,
                   const QString &defaultValue) {
    return store.read(section, key).value_or(defaultValue);
}

bool SaveSetting(SettingsBackend &store, const QString &section, const QString &key,
                 const QString &value) {
    return store.write(section, {{key, value}});
}

bool SaveSettings(SettingsBackend &store, const QString &section, const SettingPairs &pairs) {
    return store.write(section, pairs);
}

std::optional<SettingPairs> GetAllSettings(SettingsBackend &store, const QString &section) {
    SettingPairs pairs = store.readAll(section);
    if (pairs.empty())
        return std::nullopt;
    return pairs;
}
