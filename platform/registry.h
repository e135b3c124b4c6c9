// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QByteArray>

// The three machine-wide registry reads the system information launcher
// makes, with the results, handles and value types of the calls they stand
// for. Texts are in the local 8-bit encoding.

using RegistryHandle = quint32;

inline constexpr RegistryHandle HKEY_LOCAL_MACHINE = 0x80000002;

inline constexpr quint32 REG_SZ = 1;
inline constexpr quint32 REG_EXPAND_SZ = 2;
inline constexpr quint32 REG_DWORD = 4;

inline constexpr quint32 KEY_QUERY_VALUE = 0x0001;
// What an ordinary account may ask of a machine-wide key.
inline constexpr quint32 KEY_READ = 0x00020019;

inline constexpr long ERROR_SUCCESS = 0;
inline constexpr long ERROR_FILE_NOT_FOUND = 2;
inline constexpr long ERROR_ACCESS_DENIED = 5;
inline constexpr long ERROR_INVALID_HANDLE = 6;
inline constexpr long ERROR_MORE_DATA = 234;

class Registry {
  public:
    virtual ~Registry() = default;

    // ERROR_SUCCESS and the key's handle in key, or an error.
    virtual long RegOpenKeyExA(RegistryHandle root, const QByteArray &keyName, quint32 options,
                               quint32 access, RegistryHandle &key) = 0;
    // size goes in as the room in data and comes back as the bytes the value
    // holds; a value larger than the room gives ERROR_MORE_DATA.
    virtual long RegQueryValueExA(RegistryHandle key, const QByteArray &valueName, quint32 &type,
                                  char *data, quint32 &size) = 0;
    virtual long RegCloseKey(RegistryHandle key) = 0;
};
