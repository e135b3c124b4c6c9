// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/registry.h"

#include <QString>
#include <QStringList>

#include <map>

// A machine-wide registry held in memory. Like the real one for an ordinary
// account, it refuses to open a key for anything beyond reading.
class FakeRegistry : public Registry {
  public:
    long RegOpenKeyExA(RegistryHandle root, const QByteArray &keyName, quint32 options,
                       quint32 access, RegistryHandle &key) override;
    long RegQueryValueExA(RegistryHandle key, const QByteArray &valueName, quint32 &type,
                          char *data, quint32 &size) override;
    long RegCloseKey(RegistryHandle key) override;

    // Test set-up: a value under HKEY_LOCAL_MACHINE.
    void put(const QByteArray &keyName, const QByteArray &valueName, quint32 type,
             const QByteArray &data);

    QStringList openedKeys; // every key asked for, opened or not
    int openHandles = 0;

  private:
    struct Value {
        quint32 type;
        QByteArray data;
    };
    std::map<QByteArray, std::map<QByteArray, Value>> keys_;
    std::map<RegistryHandle, QByteArray> handles_;
    RegistryHandle nextHandle_ = 100;
};
