#pragma once
#include <memory>
#include <optional>
#include <string>

#include "model/HullRecord.h"
#include "settings/DesignSettings.h"

namespace sloopform {

class ParameterGrid;
class TOutput;

// The parameter editor of one project: owns the current hull record for its
// lifetime, fills the parameter table, and validates and stores every value
// the designer commits.
class TDataEdit {
public:
    // A fresh, zeroed hull record becomes the current one.
    TDataEdit();
    // The current hull record goes with the editor.
    ~TDataEdit();
    TDataEdit(const TDataEdit&) = delete;
    TDataEdit& operator=(const TDataEdit&) = delete;

    void AddParameterNames(ParameterGrid& grid) const;
    void AddParameterValues(ParameterGrid& grid) const;
    // The stored value of a row's field; -1 (no value) outside rows 1..19.
    long double GetValue(int row) const;
    // Stores `value` when the row's rule accepts it, otherwise shows the row's
    // message; either way the generated hull is out of date afterwards.
    void Edit(int row, Real48 value);
    // Stores a value the design held before (undo, redo) without the row's
    // rule: the values around it held it too. The hull is out of date afterwards.
    void Restore(int row, Real48 value);
    // Text that is no number: shown, nothing stored, the hull out of date.
    void RejectText(int row, const std::string& text);
    void Error(const std::string& message, int code) const;

    // The parameters and the design's settings. False when a fault was
    // shown; the previous file is then untouched.
    bool SaveData(const std::string& fileName) const;
    // False when the nineteen parameters could not be read completely (the
    // fault was shown). Settings the file lacks take their defaults; those it
    // holds in a form that cannot be read too, and are named in one message.
    bool LoadData(const std::string& fileName);
    // A new editor, made current, holding the parameters of the file; null
    // when the file could not be read completely (the fault was shown), and
    // then the current editor and record stay as they were.
    static std::unique_ptr<TDataEdit> Read(const std::string& fileName);
    // True when every stored value passes its row's rule; otherwise the
    // table's messages are shown together in one box, in row order.
    bool StoredValuesAccepted() const;
    void AddParameterstoReport(TOutput& output) const;

    HullRecord& Hull() { return *hull_; }
    const HullRecord& Hull() const { return *hull_; }
    // Saved and read with the parameters.
    DesignSettings& Design() { return design_; }
    const DesignSettings& Design() const { return design_; }

    // The designer's VCG for the stability curve, one of the design's
    // settings (a run starts the hull record afresh without it).
    const std::optional<Real48>& Vcg() const { return design_.Vcg; }
    void SetVcg(const std::optional<Real48>& vcg) { design_.Vcg = vcg; }

private:
    // The views follow a row that sets the drawing's extents; the generated hull is out of date.
    void ValueCommitted(int row);
    void InvalidateGeneratedHull();

    std::unique_ptr<HullRecord> hull_;
    DesignSettings design_;
};

// The editor that owns the current hull record; null once that editor is gone.
TDataEdit* CurrentDataEdit();

// The cell text of a value: 3 decimals right-aligned in 15 characters.
std::string FormatParameterValue(long double value);

}  // namespace sloopform
