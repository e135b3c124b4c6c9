// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "fake_registry.h"

#include <cstring>

long FakeRegistry::RegOpenKeyExA(RegistryHandle root, const QByteArray &keyName, quint32,
                                 quint32 access, RegistryHandle &key) {
    openedKeys.push_back(QString::fromLocal8Bit(keyName));
    if (root != HKEY_LOCAL_MACHINE || !keys_.contains(keyName))
        return ERROR_FILE_NOT_FOUND;
    if ((access & ~KEY_READ) != 0)
        return ERROR_ACCESS_DENIED;
    key = nextHandle_++;
    handles_[key] = keyName;
    ++openHandles;
    return ERROR_SUCCESS;
}

long FakeRegistry::RegQueryValueExA(RegistryHandle key, const QByteArray &valueName, quint32 &type,
                                    char *data, quint32 &size) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end())
        return ERROR_INVALID_HANDLE;
    const auto &values = keys_[handle->second];
    const auto value = values.find(valueName);
    if (value == values.end())
        return ERROR_FILE_NOT_FOUND;
    const auto stored = quint32(value->second.data.size());
    const quint32 room = size;
    size = stored;
    if (stored > room)
        return ERROR_MORE_DATA;
    type = value->second.type;
    std::memcpy(data, value->second.data.constData(), stored);
    return ERROR_SUCCESS;
}

long FakeRegistry::RegCloseKey(RegistryHandle key) {
    if (handles_.erase(key) != 1)
        return ERROR_INVALID_HANDLE;
    --openHandles;
    return ERROR_SUCCESS;
}

void FakeRegistry::put(const QByteArray &keyName, const QByteArray &valueName, quint32 type,
                       const QByteArray &data) {
    keys_[keyName][valueName] = {type, data};
}
