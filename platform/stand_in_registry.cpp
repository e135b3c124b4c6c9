// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/stand_in_registry.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstring>
#include <optional>

#include <paths.h>

namespace {

// In order of preference.
const char *const systemInformationTools[] = {"hardinfo2", "hardinfo", "kinfocenter", "lshw-gtk"};

// A relative entry (".", an empty one, "bin") means the current folder or one below it, where
// a file named like a tool must never be started; such entries are passed over.
QStringList absolutePathFolders() {
    QByteArray path = qgetenv("PATH");
    if (path.isNull())
        path = _PATH_DEFPATH; // as the C library's own search does
    QStringList folders;
    for (const QString &folder : QFile::decodeName(path).split(QDir::listSeparator())) {
        if (QDir::isAbsolutePath(folder))
            folders << folder;
    }
    return folders;
}

QString firstToolOnPath() {
    const QStringList folders = absolutePathFolders();
    // Given no folders, the search would take PATH whole.
    if (folders.isEmpty())
        return {};
    for (const char *tool : systemInformationTools) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool), folders);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

std::optional<StandInRegistry::Values> machineKey(const QByteArray &keyName) {
    if (keyName.compare("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QString tool = firstToolOnPath();
    if (tool.isEmpty())
        return std::nullopt;
    return StandInRegistry::Values{{"path", {REG_SZ, tool.toLocal8Bit() + '\0'}}};
}

} // namespace

long StandInRegistry::RegOpenKeyExA(RegistryHandle root, const QByteArray &keyName, quint32,
                                    quint32 access, RegistryHandle &key) {
    if (root != HKEY_LOCAL_MACHINE)
        return ERROR_FILE_NOT_FOUND;
    std::optional<Values> values = machineKey(keyName);
    if (!values)
        return ERROR_FILE_NOT_FOUND;
    if ((access & ~KEY_READ) != 0)
        return ERROR_ACCESS_DENIED;
    key = nextHandle_++;
    openKeys_.emplace(key, std::move(*values));
    return ERROR_SUCCESS;
}

long StandInRegistry::RegQueryValueExA(RegistryHandle key, const QByteArray &valueName,
                                       quint32 &type, char *data, quint32 &size) {
    const auto open = openKeys_.find(key);
    if (open == openKeys_.end())
        return ERROR_INVALID_HANDLE;
    const auto value = open->second.constFind(valueName.toLower());
    if (value == open->second.constEnd())
        return ERROR_FILE_NOT_FOUND;
    const auto stored = quint32(value->data.size());
    const quint32 room = size;
    size = stored;
    if (stored > room)
        return ERROR_MORE_DATA;
    type = value->type;
    std::memcpy(data, value->data.constData(), stored);
    return ERROR_SUCCESS;
}

long StandInRegistry::RegCloseKey(RegistryHandle key) {
    return openKeys_.erase(key) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
