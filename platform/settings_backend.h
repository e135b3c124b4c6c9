#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

using SettingPairs = std::vector<std::pair<QString, QString>>;

// Where the settings of one application live: sections of key/value texts,
// each section listed in the order its keys were first written. Section and
// key names match regardless of letter case and keep their first spelling.
// Every call answers rather than throws: a store that cannot be read gives
// nothing, and a write that did not reach the disk returns false.
class SettingsBackend {
  public:
    virtual ~SettingsBackend() = default;

    virtual std::optional<QString> read(const QString &section, const QString &key) = 0;
    // Empty when the section does not exist or cannot be read.
    virtual SettingPairs readAll(const QString &section) = 0;
    // All pairs land together or none does.
    virtual bool write(const QString &section, const SettingPairs &pairs) = 0;
};
