#include "preferences/SettingsFile.h"

#include <QDir>
#include <QStandardPaths>

#include "settings/Settings.h"

QString SettingsFilePath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(QStringLiteral("sloopform.INI"));
}

void ReadSettingsFile(sloopform::Settings& settings) { settings = sloopform::Settings{}; }

void WriteSettingsFile(const sloopform::Settings&) {}
