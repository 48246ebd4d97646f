#pragma once
#include <QString>

namespace sloopform {
struct Settings;
}

// The settings file <per-user configuration folder>/sloopform.INI.
QString SettingsFilePath();
// Missing, unreadable or damaged keys, or values the dialog would refuse, give the defaults.
void ReadSettingsFile(sloopform::Settings& settings);
// Written atomically: a failure never leaves half a file.
void WriteSettingsFile(const sloopform::Settings& settings);
