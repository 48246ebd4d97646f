#include "frame/DocumentRecovery.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "frame/FrameServices.h"
#include "frame/RecoveryKeeper.h"
#include "generator/GeneratorWindow.h"
#include "model/DataEdit.h"
#include "model/RecoveredProject.h"
#include "model/ReportFile.h"
#include "report/ReportMemo.h"
#include "report/ReportWindow.h"

namespace {

std::filesystem::path FolderPath(const QString& folder) { return std::filesystem::path(folder.toStdString()); }

// The recovered design opens under the name of its file, unsaved: its copy
// is no project file of the designer's.
RecoveryKeeper* KeepProject(GeneratorWindow& generator, const QString& folder)
{
    sloopform::TFileManager& project = generator.project();
    RecoveryKeeper::Document document{
        project,
        [&generator, &project] {
            std::optional<std::string> path;
            if (project.FileName() != project.UnSavedName) path = project.FileName();
            return sloopform::RecoveryCopyLines(generator.parameters(), path);
        },
        [&generator, &project](const std::string& copy) {
            // Read once on the side, so a damaged copy leaves the window as it was.
            std::optional<std::string> path;
            if (!sloopform::ReadRecoveredPath(copy, path)) return false;
            generator.openProject(QString::fromStdString(copy));
            if (project.FileName() == copy) {
                project.SetFileName(path.value_or(project.UnSavedName));
                project.MarkModified();
            }
            return true;
        },
        QStringLiteral("design")};
    auto* keeper = new RecoveryKeeper({FolderPath(folder), "project", "sfp"}, std::move(document), &generator);
    // A run can fail in ways nothing catches: the design is kept before it.
    QObject::connect(&generator, &GeneratorWindow::runStarting, keeper, &RecoveryKeeper::keep);
    return keeper;
}

RecoveryKeeper* KeepReport(ReportWindow& report, const QString& folder)
{
    sloopform::TFileManager& files = report.fileManager();
    RecoveryKeeper::Document document{
        files, [&report] { return sloopform::ReportFileLines(report.memo()->Lines()); },
        [&files](const std::string& copy) {
            if (!sloopform::LoadReport(copy)) return false;
            // Not when the unsaved question was cancelled.
            if (files.OpenFileNamed(copy)) {
                files.SetFileName(files.UnSavedName);
                files.MarkModified();
            }
            return true;
        },
        QStringLiteral("report")};
    return new RecoveryKeeper({FolderPath(folder), "report", "rpt"}, std::move(document), &report);
}

}  // namespace

QString RecoveryFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("sloopform/recovery"));
}

void KeepUnsavedDocuments(FrameServices& frame, const QString& folder)
{
    QList<RecoveryKeeper*> keepers;
    if (auto* generator = qobject_cast<GeneratorWindow*>(frame.child(ChildRole::Generator)))
        keepers.append(KeepProject(*generator, folder));
    if (auto* report = qobject_cast<ReportWindow*>(frame.child(ChildRole::Report)))
        keepers.append(KeepReport(*report, folder));
    for (RecoveryKeeper* keeper : keepers) {
        keeper->offerLeftOver();
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, keeper,
                         &RecoveryKeeper::finish);
    }
}
