#pragma once
#include <functional>
#include <optional>
#include <string>

#include "platform/UiServices.h"

namespace sloopform {

// The New / Open / Save / Save As / close workflow of one document with the
// "unsaved" question; the document's own work is left to the events.
class TFileManager {
public:
    using FileEvent = std::function<void(TFileManager& sender)>;
    // Returns false when the file could not be read (the fault was shown): the
    // document must then be as it was before.
    using OpenEvent = std::function<bool(TFileManager& sender, const std::string& fileName)>;
    // Returns false when the document could not be stored (the fault was shown).
    using SaveEvent = std::function<bool(TFileManager& sender, const std::string& fileName)>;
    using NameEvent = std::function<void(TFileManager& sender, const std::string& fullName,
                                         const std::string& shortName)>;

    std::string UnSavedName;
    // Unset dialogs are reported instead of shown.
    std::optional<FileDialogRequest> OpenDialog;
    std::optional<FileDialogRequest> SaveDialog;

    FileEvent OnNewFile;
    FileEvent OnCloseFile;
    OpenEvent OnOpenFile;
    SaveEvent OnSaveFile;
    NameEvent OnUpDateFileName;
    // Modified changed, to true or to false.
    FileEvent OnModifiedChanged;

    const std::string& FileName() const { return fileName_; }
    bool Modified() const { return modified_; }

    void SetFileName(const std::string& name);
    void MarkModified() { SetModified(true); }
    // Fires OnModifiedChanged when the value changes.
    void SetModified(bool modified);
    void NewFile();
    // The unsaved question, then the open dialog, then the file chosen; a
    // cancel at any step, or a file that cannot be read, leaves the document
    // as it was.
    void OpenFile();
    // As OpenFile with the file already chosen. False when nothing was opened.
    bool OpenFileNamed(const std::string& fileName);
    void SaveFileAs();
    void SaveFile();
    // False when the user cancelled (or the save they asked for did not happen).
    bool CloseFile();
    void RefreshFileName();

private:
    // Asks whether to save a modified document. True means go on: the answer
    // was No, or Yes and the document is stored now.
    bool SettleUnsavedChanges();
    void Store(const std::string& fileName);
    bool Load(const std::string& fileName);

    std::string fileName_;
    bool modified_ = false;
};

}  // namespace sloopform
