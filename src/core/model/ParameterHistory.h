#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/HullRecord.h"
#include "model/ParameterTable.h"

namespace sloopform {

class TDataEdit;

// The nineteen parameter values of a hull record; row r at index r - 1.
using ParameterValues = std::array<Real48, kLastParameterRow>;
ParameterValues StoredParameterValues(const HullRecord& hull);

// The designer's changes to one project's parameters: the steps that undo
// and redo them, and the values its file holds, so the project counts as
// modified exactly while its values differ from the saved ones.
class ParameterHistory {
public:
    // A project just started or read: no steps; `hull` holds what `fileName` holds.
    void Reset(const HullRecord& hull, const std::string& fileName);
    // `hull`'s values were just written to `fileName`.
    void MarkSaved(const HullRecord& hull, const std::string& fileName);
    // Every value that differs between `before` and `hull` makes one step; a
    // commit that stored nothing new makes none. The steps undone are dropped.
    void Record(const ParameterValues& before, const HullRecord& hull);

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // The captions of the rows the next undo or redo changes, joined by ", ".
    std::string UndoCaption() const;
    std::string RedoCaption() const;
    // Puts the values back through the editor; returns the rows changed, in
    // row order, none when there is nothing to undo or redo.
    std::vector<int> Undo(TDataEdit& editor);
    std::vector<int> Redo(TDataEdit& editor);

    // True unless `hull` holds exactly the values last saved as `fileName`
    // (a project renamed since holds no file's values).
    bool DiffersFromSaved(const HullRecord& hull, const std::string& fileName) const;

private:
    struct Change {
        int row;
        Real48 before;
        Real48 after;
    };
    using Step = std::vector<Change>;

    static std::string Caption(const Step& step);

    std::vector<Step> steps_;
    std::size_t done_ = 0;
    std::optional<std::string> savedName_;
    ParameterValues savedValues_{};
};

}  // namespace sloopform
