// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/settings_backend.h"

#include <optional>

// The program's three ways into its settings store. The backend already
// belongs to the application, so no application name is passed.

// The stored text, or defaultValue when the section or key does not exist.
QString GetSetting(SettingsBackend &store, const QString &section, const QString &key,
                   const QString &defaultValue = {});

// Returns false when the value could not be stored.
bool SaveSetting(SettingsBackend &store, const QString &section, const QString &key,
                 const QString &value);

// Several values of one section in one go: all are stored, in this order, or none.
bool SaveSettings(SettingsBackend &store, const QString &section, const SettingPairs &pairs);

// The section's pairs in stored order, or nothing when it has no entries.
std::optional<SettingPairs> GetAllSettings(SettingsBackend &store, const QString &section);
