#include "model/DataEdit.h"

#include "generator/Output.h"
#include "model/ParameterGrid.h"
#include "model/ParameterTable.h"
#include "model/ProjectFile.h"
#include "model/ShortFileName.h"
#include "numeric/NumberText.h"
#include "platform/UiServices.h"

namespace sloopform {

namespace {
constexpr long double kNoValue = -1;
TDataEdit* currentEditor = nullptr;
}  // namespace

TDataEdit* CurrentDataEdit() { return currentEditor; }

std::string FormatParameterValue(long double value) { return FormatFixed(value, 3, 15); }

TDataEdit::TDataEdit() : hull_(HullRecord::Create())
{
    SetCurrentHull(hull_.get());
    currentEditor = this;
}

TDataEdit::~TDataEdit()
{
    if (CurrentHull() == hull_.get()) SetCurrentHull(nullptr);
    if (currentEditor == this) currentEditor = nullptr;
}

void TDataEdit::AddParameterNames(ParameterGrid& grid) const
{
    for (int row = kFirstParameterRow; row <= kLastParameterRow; ++row) {
        const ParameterRow& parameter = ParameterRowAt(row);
        grid.SetCell(kCaptionColumn, row, parameter.caption);
        grid.SetCell(kUnitColumn, row, parameter.unit);
        grid.SetCell(kCommentColumn, row, parameter.comment);
    }
}

void TDataEdit::AddParameterValues(ParameterGrid& grid) const
{
    for (int row = kFirstParameterRow; row <= kLastParameterRow; ++row) {
        const long double value = GetValue(row);
        grid.SetCell(kValueColumn, row,
                     value != kNoValue ? FormatParameterValue(value) : "Undefined");
    }
}

long double TDataEdit::GetValue(int row) const
{
    if (!IsParameterRow(row)) return kNoValue;
    return (*hull_).*ParameterRowAt(row).field;
}

void TDataEdit::Edit(int row, Real48 value)
{
    if (IsParameterRow(row)) {
        const ParameterRow& parameter = ParameterRowAt(row);
        if (parameter.accepts(value, *hull_))
            (*hull_).*parameter.field = value;
        else
            Error(parameter.rejection, kParameterHelpContextBase + row);
    }
    ValueCommitted(row);
}

void TDataEdit::Restore(int row, Real48 value)
{
    if (IsParameterRow(row)) (*hull_).*ParameterRowAt(row).field = value;
    ValueCommitted(row);
}

void TDataEdit::ValueCommitted(int row)
{
    if (IsParameterRow(row) && ParameterRowAt(row).viewsRefreshed)
        Ui().Notify(Notification::HullDimensionsChanged);
    InvalidateGeneratedHull();
}

void TDataEdit::RejectText(int row, const std::string& text)
{
    Error("Invalid number: " + text, kParameterHelpContextBase + row);
    InvalidateGeneratedHull();
}

void TDataEdit::InvalidateGeneratedHull()
{
    hull_->ClearFlags();
    Ui().Notify(Notification::QuickCalcRefresh);
    Ui().Notify(Notification::Repaint);
}

void TDataEdit::Error(const std::string& message, int code) const
{
    Ui().ShowMessage(message, MessageIcon::Information, MessageButtons::OkHelp, code);
}

bool TDataEdit::SaveData(const std::string& fileName) const
{
    return SaveProject(*hull_, fileName, DesignSettingsEntries(design_));
}

namespace {

// The design's settings among the entries after the nineteen keys.
DesignSettings ReadDesignSettings(const ProjectEntries& entries, const std::string& fileName)
{
    std::vector<std::string> unreadable;
    DesignSettings settings = DesignSettingsFromEntries(entries, unreadable);
    if (unreadable.empty()) return settings;
    std::string text = "These settings of " + ShortFileName(fileName) + " cannot be read; their defaults are used:";
    for (const std::string& entry : unreadable) text += "\r" + entry;
    Ui().ShowMessage(text, MessageIcon::Warning, MessageButtons::Ok);
    return settings;
}

}  // namespace

bool TDataEdit::LoadData(const std::string& fileName)
{
    ProjectEntries entries;
    const bool read = LoadProject(*hull_, fileName, &entries);
    if (read) design_ = ReadDesignSettings(entries, fileName);
    return read;
}

std::unique_ptr<TDataEdit> TDataEdit::Read(const std::string& fileName)
{
    const std::unique_ptr<HullRecord> read = HullRecord::Create();
    ProjectEntries entries;
    if (!LoadProject(*read, fileName, &entries)) return nullptr;
    auto editor = std::make_unique<TDataEdit>();
    for (const ProjectKey& key : ProjectKeys()) editor->Hull().*key.Field = (*read).*key.Field;
    editor->design_ = ReadDesignSettings(entries, fileName);
    return editor;
}

bool TDataEdit::StoredValuesAccepted() const
{
    const std::vector<std::string> faults = StoredParameterFaults(*hull_);
    if (faults.empty()) return true;
    std::string text;
    for (const std::string& fault : faults) text += (text.empty() ? "" : "\r") + fault;
    Ui().ShowMessage(text, MessageIcon::Information, MessageButtons::Ok);
    return false;
}

void TDataEdit::AddParameterstoReport(TOutput& output) const
{
    output.WriteLn("-------------------- Hull Parameters -----------------");
    for (int row = kFirstParameterRow; row <= kLastParameterRow; ++row) {
        const ParameterRow& parameter = ParameterRowAt(row);
        output.WriteLn(std::string(parameter.caption) + " = " + FormatFixed(GetValue(row), 3) +
                       " " + parameter.unit);
    }
    output.WriteLn("------------------------------------------------------");
}

}  // namespace sloopform
