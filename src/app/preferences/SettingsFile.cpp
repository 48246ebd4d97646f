#include "preferences/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <filesystem>

#include "platform/TextFileWriter.h"
#include "platform/UiServices.h"
#include "settings/Settings.h"
#include "settings/SettingsFileFormat.h"

QString SettingsFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(QStringLiteral("sloopform.INI"));
}

void ReadSettingsFile(sloopform::Settings& settings)
{
    const QString path = SettingsFilePath();
    if (!QFileInfo(path).isFile()) {
        settings = sloopform::Settings{};
        return;
    }
    const QSettings file(path, QSettings::IniFormat);
    const bool readable = file.status() == QSettings::NoError;
    settings = sloopform::SettingsFromFile(
        [&](const std::string& section, const std::string& key) -> std::optional<std::string> {
            const QVariant value =
                file.value(QString::fromStdString(section + "/" + key));
            // A value with a comma comes back as a list: not one of ours.
            if (!readable || value.typeId() != QMetaType::QString) return std::nullopt;
            return value.toString().toStdString();
        });
}

// QSettings orders sections and keys alphabetically and ends lines with LF
// alone; the file keeps its own order and CR LF, so its text is written here.
void WriteSettingsFile(const sloopform::Settings& settings)
{
    const QString path = SettingsFilePath();
    sloopform::TextFileWriter writer(std::filesystem::path(path.toStdString()));
    bool written = QDir().mkpath(QFileInfo(path).absolutePath()) && writer.Open();
    for (const std::string& line : sloopform::SettingsFileLines(settings))
        written = written && writer.WriteLine(line);
    if (written && writer.Commit()) return;
    sloopform::Ui().ShowMessage("The preferences could not be saved in " + path.toStdString(),
                                sloopform::MessageIcon::Error, sloopform::MessageButtons::Ok);
}
