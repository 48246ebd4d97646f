#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "RecordingUi.h"
#include "preferences/SettingsFile.h"
#include "settings/Settings.h"
#include "settings/SettingsFileFormat.h"

using sloopform::Settings;

namespace {

const QByteArray kDefaultFile =
    "[Colors]\r\n"
    "BackgroundColor=0\r\n"
    "BackGroundIndex=0\r\n"
    "ConstructionColor=16777215\r\n"
    "ConstructionIndex=15\r\n"
    "OutlineColor=16777215\r\n"
    "OutlineIndex=15\r\n"
    "\r\n"
    "[DrawingSetup]\r\n"
    "UserRatio=0\r\n"
    "AspectRatio=100000\r\n"
    "SmoothLines=1\r\n"
    "\r\n"
    "[Accuracies]\r\n"
    "Dimensions=100\r\n"
    "Percentages=10000\r\n"
    "Coefficients=1000\r\n"
    "\r\n"
    "[Editing]\r\n"
    "RegenerateWhileEditing=0\r\n";

Settings Changed()
{
    Settings settings;
    settings.Drawing = {0x800000, 0x00FFFF, 0xFF00FF, 1.15L};
    settings.BackGroundIndex = 4;
    settings.ConstructionIndex = 11;
    settings.OutlineIndex = 13;
    settings.UserRatio = true;
    settings.Goals = {0.00002L, 1.1L, 0.0001L};
    settings.RegenerateWhileEditing = true;
    return settings;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

Settings ReadBack()
{
    Settings settings = Changed();
    ReadSettingsFile(settings);
    return settings;
}

}  // namespace

// Every test gets a configuration folder of its own that does not exist yet.
class SettingsFileTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> home_;

private slots:
    void init()
    {
        home_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", home_->filePath("config").toLocal8Bit());
    }

    void liesInTheConfigurationFolder()
    {
        QCOMPARE(SettingsFilePath(), home_->filePath("config/sloopform.INI"));
    }

    void writesSectionsAndKeysInTheirOrderWithCrLf()
    {
        WriteSettingsFile(Settings{});
        QCOMPARE(FileBytes(SettingsFilePath()), kDefaultFile);
        QCOMPARE(QDir(home_->filePath("config")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"sloopform.INI"});
    }

    void readsBackWhatItWrote()
    {
        WriteSettingsFile(Changed());
        const Settings read = ReadBack();
        QCOMPARE(sloopform::SettingsFileLines(read), sloopform::SettingsFileLines(Changed()));
        QCOMPARE(read.Drawing.OutlineColor, 0xFF00FFu);
        QCOMPARE(read.Goals.Dimension, sloopform::Real48(0.00002L));
    }

    void dimensionGoalSurvivesTenRounds()
    {
        Settings settings;
        for (int round = 0; round < 10; ++round) {
            WriteSettingsFile(settings);
            ReadSettingsFile(settings);
        }
        QCOMPARE(settings.Goals.Dimension, sloopform::Real48(0.001L));
        QCOMPARE(FileBytes(SettingsFilePath()), kDefaultFile);
    }

    void damagedFilesGiveDefaultsForTheirKeys_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("expected");  // the file written from what was read
        const QByteArray changed = [] {
            QByteArray text;
            for (const auto& line : sloopform::SettingsFileLines(Changed()))
                text += QByteArray::fromStdString(line) + "\r\n";
            return text;
        }();
        QTest::newRow("no file") << QByteArray() << kDefaultFile;
        QTest::newRow("empty") << QByteArray("") << kDefaultFile;
        QTest::newRow("binary") << QByteArray("\x00\xff\x13[\x01=\x02\n\x7f", 10) << kDefaultFile;
        const auto fromDrawingSetup = [](const QByteArray& file) {
            return file.mid(file.indexOf("[DrawingSetup]"));
        };
        QTest::newRow("cut after the colours")
            << changed.left(changed.indexOf("[DrawingSetup]"))
            << changed.left(changed.indexOf("[DrawingSetup]")) + fromDrawingSetup(kDefaultFile);
        QTest::newRow("list value and out of range")
            << QByteArray("[Accuracies]\nDimensions=1,5\nPercentages=200000\nCoefficients=20\n")
            << QByteArray(kDefaultFile).replace("Coefficients=1000", "Coefficients=20");
        QTest::newRow("another program's booleans, LF and order")
            << QByteArray("[DrawingSetup]\nAspectRatio=95000\nUserRatio=true\n")
            << QByteArray(kDefaultFile)
                   .replace("UserRatio=0", "UserRatio=1")
                   .replace("AspectRatio=100000", "AspectRatio=95000");
    }

    void damagedFilesGiveDefaultsForTheirKeys()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, expected);
        if (!bytes.isNull()) WriteBytes(SettingsFilePath(), bytes);
        WriteSettingsFile(ReadBack());
        QCOMPARE(FileBytes(SettingsFilePath()), expected);
    }

    void aFailedWriteIsReportedAndLeavesNoTemporaryFile()
    {
        sloopform::test::RecordingUi ui;
        QVERIFY(QDir().mkpath(SettingsFilePath()));  // a folder where the file should be
        WriteSettingsFile(Settings{});
        QCOMPARE(ui.MessageTexts(), std::vector<std::string>{"The preferences could not be saved in " +
                                                             SettingsFilePath().toStdString()});
        QCOMPARE(ui.messages.front().icon, sloopform::MessageIcon::Error);
        QCOMPARE(QDir(home_->filePath("config")).entryList(QDir::Files | QDir::Hidden),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
