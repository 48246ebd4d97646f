#include "model/FileManager.h"

#include "model/ShortFileName.h"

namespace sloopform {

void TFileManager::SetModified(bool modified)
{
    if (modified == modified_) return;
    modified_ = modified;
    if (OnModifiedChanged) OnModifiedChanged(*this);
}

void TFileManager::SetFileName(const std::string& name)
{
    fileName_ = name;
    if (OnUpDateFileName) OnUpDateFileName(*this, fileName_, ShortFileName(fileName_));
}

bool TFileManager::SettleUnsavedChanges()
{
    if (!modified_) return true;
    const MessageResult answer =
        Ui().ShowMessage(ShortFileName(fileName_) + " is unsaved, Save?", MessageIcon::Information,
                         MessageButtons::YesNoCancel);
    if (answer == MessageResult::Cancel) return false;
    if (answer == MessageResult::Yes) {
        SaveFile();
        // A save that failed or whose dialog was cancelled must not lose the work.
        return !modified_;
    }
    return true;
}

void TFileManager::NewFile()
{
    if (!SettleUnsavedChanges()) return;
    if (OnCloseFile) OnCloseFile(*this);
    SetFileName(UnSavedName);
    SetModified(false);
    if (OnNewFile) OnNewFile(*this);
}

void TFileManager::OpenFile()
{
    if (!OpenDialog) {
        Ui().ShowMessage("Open Dialog Unassigned", MessageIcon::None, MessageButtons::Ok);
        return;
    }
    if (!SettleUnsavedChanges()) return;
    OpenDialog->fileName.clear();
    const auto chosen = Ui().OpenFileDialog(*OpenDialog);
    if (!chosen) return;
    OpenDialog->fileName = *chosen;
    Load(*chosen);
}

bool TFileManager::OpenFileNamed(const std::string& fileName)
{
    return SettleUnsavedChanges() && Load(fileName);
}

bool TFileManager::Load(const std::string& fileName)
{
    // The handler reads the whole file before it replaces anything.
    if (OnOpenFile && !OnOpenFile(*this, fileName)) return false;
    SetFileName(fileName);
    SetModified(false);
    return true;
}

void TFileManager::SaveFileAs()
{
    if (!SaveDialog) {
        Ui().ShowMessage("Save Dialog Unassigned", MessageIcon::None, MessageButtons::Ok);
        return;
    }
    SaveDialog->fileName = fileName_;
    const auto chosen = Ui().SaveFileDialog(*SaveDialog);
    if (!chosen) return;
    SaveDialog->fileName = *chosen;
    SetFileName(*chosen);
    Store(fileName_);
}

void TFileManager::SaveFile()
{
    if (fileName_ == UnSavedName)
        SaveFileAs();
    else
        Store(fileName_);
}

void TFileManager::Store(const std::string& fileName)
{
    const bool stored = !OnSaveFile || OnSaveFile(*this, fileName);
    // After a failed save the document is held in no file under its name.
    SetModified(!stored);
}

bool TFileManager::CloseFile()
{
    if (!SettleUnsavedChanges()) return false;
    if (OnCloseFile) OnCloseFile(*this);
    SetModified(false);
    return true;
}

void TFileManager::RefreshFileName()
{
    if (fileName_.empty()) SetFileName(UnSavedName);
    if (OnUpDateFileName) OnUpDateFileName(*this, fileName_, ShortFileName(fileName_));
}

}  // namespace sloopform
