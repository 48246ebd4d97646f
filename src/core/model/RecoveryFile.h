#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace sloopform {

// A copy of one document's unsaved text in the recovery folder, so that a
// crash loses at most the work since the last copy. A copy is named after
// the kind of document, the run that wrote it and the document:
// "project-1f2e3d4c-Untitled.sfp", so no run overwrites another's. Copies
// left by an earlier run are offered at the next start; whatever the answer,
// they stay until the next clean exit, so a wrong click loses nothing.
class RecoveryFile {
public:
    RecoveryFile(std::filesystem::path folder, std::string kind, std::string extension);

    // Replaces this run's copy, atomically, with `lines` (the file's bytes,
    // one line each) for the document `documentName`. False when it could not
    // be written; the previous copy then stays.
    bool Write(const std::vector<std::string>& lines, const std::string& documentName);
    // The document is saved or discarded: this run's copy goes.
    void Discard();
    // The program ends cleanly: this run's copy and the copies offered go.
    void RemoveAll();

    // Copies of this kind left by an earlier run, the newest first.
    std::vector<std::filesystem::path> LeftOver() const;
    // The document a copy holds ("Untitled.sfp").
    std::string DocumentName(const std::filesystem::path& copy) const;
    // A copy that was offered stays until RemoveAll.
    void MarkOffered(const std::filesystem::path& copy);
    // A copy that cannot be read is renamed so it is neither offered again nor
    // lost; returns its new name, or nothing when the rename failed.
    static std::optional<std::filesystem::path> PutAside(const std::filesystem::path& copy);

    const std::filesystem::path& Folder() const { return folder_; }
    const std::optional<std::filesystem::path>& Current() const { return current_; }

private:
    std::filesystem::path folder_;
    std::string prefix_;     // "project-"
    std::string run_;        // "1f2e3d4c-"
    std::string extension_;  // ".sfp"
    std::optional<std::filesystem::path> current_;
    std::vector<std::filesystem::path> offered_;
};

}  // namespace sloopform
