#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "settings/Settings.h"

namespace sloopform {

// Reals are stored as integers: value × 100000, rounded to the nearest integer
// so that a value survives any number of write and read rounds.
long ScaledSetting(long double value);
long double UnscaledSetting(long stored);

// The settings file's lines: sections "Colors", "DrawingSetup", "Accuracies"
// and "Editing" and their keys in that fixed order, a blank line between
// sections. A section "Recent" follows while there are recent projects: keys
// "File1" onwards, each path encoded as a setting text.
std::vector<std::string> SettingsFileLines(const Settings& settings);

// The text stored under a section and key, or nothing when the key is absent.
using StoredSettingLookup =
    std::function<std::optional<std::string>(const std::string& section, const std::string& key)>;

// Every key of the file; one that is absent, is not a number, or holds a value
// the dialog would not accept takes its default.
Settings SettingsFromFile(const StoredSettingLookup& lookup);

}  // namespace sloopform
