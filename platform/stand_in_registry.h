// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/registry.h"

#include <QHash>

#include <map>

// Linux has no registry. This one holds a single read-only machine-wide key:
// "SOFTWARE\Microsoft\Shared Tools\MSINFO" with "PATH", the full path of the
// first system information program found in PATH's absolute folders (relative
// ones depend on the current folder and are passed over). The key is looked up
// each time it is opened, so a tool installed meanwhile is found on the next try.
class StandInRegistry : public Registry {
  public:
    long RegOpenKeyExA(RegistryHandle root, const QByteArray &keyName, quint32 options,
                       quint32 access, RegistryHandle &key) override;
    long RegQueryValueExA(RegistryHandle key, const QByteArray &valueName, quint32 &type,
                          char *data, quint32 &size) override;
    long RegCloseKey(RegistryHandle key) override;

    struct StoredValue {
        quint32 type;
        QByteArray data;
    };
    // Value names in lower case, since the registry ignores letter case.
    using Values = QHash<QByteArray, StoredValue>;

  private:
    std::map<RegistryHandle, Values> openKeys_;
    RegistryHandle nextHandle_ = 1;
};
