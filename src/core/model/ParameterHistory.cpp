#include "model/ParameterHistory.h"

#include "model/DataEdit.h"

namespace sloopform {

ParameterValues StoredParameterValues(const HullRecord& hull)
{
    ParameterValues values;
    for (int row = kFirstParameterRow; row <= kLastParameterRow; ++row)
        values[row - 1] = hull.*ParameterRowAt(row).field;
    return values;
}

void ParameterHistory::Reset(const HullRecord& hull, const std::string& fileName, const std::optional<Real48>& vcg)
{
    steps_.clear();
    done_ = 0;
    MarkSaved(hull, fileName, vcg);
}

void ParameterHistory::MarkSaved(const HullRecord& hull, const std::string& fileName,
                                 const std::optional<Real48>& vcg)
{
    savedName_ = fileName;
    savedValues_ = StoredParameterValues(hull);
    savedVcg_ = vcg;
}

void ParameterHistory::Record(const ParameterValues& before, const HullRecord& hull)
{
    const ParameterValues after = StoredParameterValues(hull);
    Step step;
    for (int row = kFirstParameterRow; row <= kLastParameterRow; ++row)
        if (before[row - 1] != after[row - 1]) step.push_back({row, before[row - 1], after[row - 1], {}, {}});
    if (step.empty()) return;
    steps_.resize(done_);
    steps_.push_back(std::move(step));
    done_ = steps_.size();
}

void ParameterHistory::RecordVcg(const std::optional<Real48>& before, const std::optional<Real48>& after)
{
    if (before == after) return;
    steps_.resize(done_);
    steps_.push_back({{kVcgRow, {}, {}, before, after}});
    done_ = steps_.size();
}

std::string ParameterHistory::Caption(const Step& step)
{
    std::string caption;
    for (const Change& change : step)
        caption += (caption.empty() ? "" : ", ") +
                   std::string(change.row == kVcgRow ? "VCG" : ParameterRowAt(change.row).caption);
    return caption;
}

std::string ParameterHistory::UndoCaption() const { return CanUndo() ? Caption(steps_[done_ - 1]) : ""; }

std::string ParameterHistory::RedoCaption() const { return CanRedo() ? Caption(steps_[done_]) : ""; }

std::vector<int> ParameterHistory::Apply(const Step& step, TDataEdit& editor, bool forward)
{
    std::vector<int> rows;
    for (const Change& change : step) {
        if (change.row == kVcgRow) {
            editor.SetVcg(forward ? change.vcgAfter : change.vcgBefore);
            continue;
        }
        editor.Restore(change.row, forward ? change.after : change.before);
        rows.push_back(change.row);
    }
    return rows;
}

std::vector<int> ParameterHistory::Undo(TDataEdit& editor)
{
    if (!CanUndo()) return {};
    return Apply(steps_[--done_], editor, false);
}

std::vector<int> ParameterHistory::Redo(TDataEdit& editor)
{
    if (!CanRedo()) return {};
    return Apply(steps_[done_++], editor, true);
}

bool ParameterHistory::DiffersFromSaved(const HullRecord& hull, const std::string& fileName,
                                        const std::optional<Real48>& vcg) const
{
    if (savedName_ != fileName || savedVcg_ != vcg) return true;
    const ParameterValues now = StoredParameterValues(hull);
    for (std::size_t i = 0; i < now.size(); ++i)
        if (now[i] != savedValues_[i]) return true;
    return false;
}

}  // namespace sloopform
