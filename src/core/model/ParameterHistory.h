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
    // A project just started or read: no steps; `hull` and `vcg` hold what `fileName` holds.
    void Reset(const HullRecord& hull, const std::string& fileName, const std::optional<Real48>& vcg = std::nullopt);
    // `hull`'s values and `vcg` were just written to `fileName`.
    void MarkSaved(const HullRecord& hull, const std::string& fileName,
                   const std::optional<Real48>& vcg = std::nullopt);
    // Every value that differs between `before` and `hull` makes one step; a
    // commit that stored nothing new makes none. The steps undone are dropped.
    void Record(const ParameterValues& before, const HullRecord& hull);
    // A change of the project's VCG makes one step of its own ("VCG").
    void RecordVcg(const std::optional<Real48>& before, const std::optional<Real48>& after);

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // The captions of the rows the next undo or redo changes, joined by ", ".
    std::string UndoCaption() const;
    std::string RedoCaption() const;
    // Puts the values back through the editor; returns the rows changed, in
    // row order, none when there is nothing to undo or redo or the step was
    // the VCG's.
    std::vector<int> Undo(TDataEdit& editor);
    std::vector<int> Redo(TDataEdit& editor);

    // True unless `hull` holds exactly the values last saved as `fileName`
    // (a project renamed since holds no file's values).
    bool DiffersFromSaved(const HullRecord& hull, const std::string& fileName,
                          const std::optional<Real48>& vcg = std::nullopt) const;

private:
    // Row kVcgRow is the VCG's, whose values may be none.
    static constexpr int kVcgRow = 0;
    struct Change {
        int row;
        Real48 before;
        Real48 after;
        std::optional<Real48> vcgBefore, vcgAfter;
    };
    using Step = std::vector<Change>;

    // Puts a step's values back (forward false) or again; the table rows it changed.
    static std::vector<int> Apply(const Step& step, TDataEdit& editor, bool forward);

    static std::string Caption(const Step& step);

    std::vector<Step> steps_;
    std::size_t done_ = 0;
    std::optional<std::string> savedName_;
    ParameterValues savedValues_{};
    std::optional<Real48> savedVcg_;
};

}  // namespace sloopform
