// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// "&System Info...": finds a system information tool through the registry
// and starts it, or says it is unavailable.
#include "about/frm_about.h"

#include "about/registry_value.h"
#include "platform/app_info.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/process_starter.h"

#include <stdexcept>

namespace {

const QString toolPathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString toolFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString toolFileName = QStringLiteral("/MSINFO32.EXE");

// Closes an opened key however the read ends.
class OpenKey {
  public:
    OpenKey(Registry &registry, RegistryHandle key) : registry_(registry), key_(key) {}
    ~OpenKey() { registry_.RegCloseKey(key_); }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;

  private:
    Registry &registry_;
    RegistryHandle key_;
};

} // namespace

void frmAbout::StartSysInfo() {
    try {
        if (findAndStartSystemInformationTool())
            return;
    } catch (const std::exception &) {
        // Any failure in the search or the start ends in the one message below.
    }
    services_.dialogs.messageBox(tr("System Information Is Unavailable At This Time"),
                                 MsgButtons::Ok, MsgIcon::None, appTitle());
}

bool frmAbout::findAndStartSystemInformationTool() {
    QString toolPath;
    if (!GetKeyValue(HKEY_LOCAL_MACHINE, toolPathKey, QStringLiteral("PATH"), toolPath)) {
        if (!GetKeyValue(HKEY_LOCAL_MACHINE, toolFolderKey, QStringLiteral("MSINFO"), toolPath))
            return false;
        if (!services_.files.fileExists(toolPath + toolFileName))
            return false;
        toolPath += toolFileName;
    }
    return services_.processes.startProgram(toolPath);
}

bool frmAbout::GetKeyValue(RegistryHandle KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                           QString &KeyVal) {
    Registry &registry = services_.registry;
    RegistryHandle key = 0;
    // Reading needs no more; asking for write rights is refused to ordinary accounts.
    if (registry.RegOpenKeyExA(KeyRoot, KeyName.toLocal8Bit(), 0, KEY_QUERY_VALUE, key) !=
        ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    const OpenKey closer(registry, key);

    QByteArray buffer(registryBufferSize, '\0');
    quint32 size = registryBufferSize;
    quint32 type = 0;
    if (registry.RegQueryValueExA(key, SubKeyRef.toLocal8Bit(), type, buffer.data(), size) !=
        ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    if (const std::optional<QString> text = registryValueText(type, keptValueBytes(buffer, size)))
        KeyVal = *text;
    return true;
}
