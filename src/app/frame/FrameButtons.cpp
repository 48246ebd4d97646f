#include "frame/FrameButtons.h"

const char* const kRunGeneratorHint = "Run Generator";
const char* const kStopGeneratorHint = "Stop Generator";

const QList<FrameButtonInfo>& FrameButtonTable()
{
    using B = FrameButton;
    static const QList<FrameButtonInfo> table = {
        {B::New, "NewBut", "New", ":/icons/new.svg", true, true, false, false},
        {B::Open, "OpenBut", "Open", ":/icons/open.svg", true, true, false, false},
        {B::Save, "SaveBut", "Save", ":/icons/save.svg", true, true, false, false},
        {B::Print, "PrintBut1", "Print", ":/icons/print.svg", true, true, false, true},
        {B::Cut, "CutBut", "Cut Selection to Clipboard", ":/icons/cut.svg", false, true, false, false},
        {B::Copy, "CopyBut", "Copy Selection to Clipboard", ":/icons/copy.svg", false, true, false, false},
        {B::Paste, "PasteBut", "Paste from Clipboard", ":/icons/paste.svg", false, true, false, false},
        {B::Delete, "DelBut", "Clear Selection", ":/icons/delete.svg", false, true, false, true},
        {B::ZoomAll, "ZoomAllBut", "Zoom All", ":/icons/zoom-all.svg", true, true, false, false},
        {B::ZoomOut, "ZoomOutBut", "Zoom Out", ":/icons/zoom-out.svg", false, true, false, false},
        {B::ZoomIn, "ZoomInBut", "Zoom In", ":/icons/zoom-in.svg", false, true, false, false},
        {B::ZoomWindow, "ZoomBut", "Zoom Window", ":/icons/zoom-window.svg", true, true, true, false},
        {B::Pan, "PanBut", "Pan", ":/icons/pan.svg", true, true, true, false},
        {B::Rotate, "RotateBut", "Rotate View", ":/icons/rotate.svg", false, true, true, true},
        {B::Generator, "GenBut", kRunGeneratorHint, ":/icons/run.svg", true, true, false, false},
        {B::Resistance, "ResBut", "Resistance Optimisation", ":/icons/resistance.svg", true, true, false, false},
        {B::QuickCalc, "SpeedButton1", "Show QuickCALCs", ":/icons/quickcalc.svg", true, true, false, false},
        {B::Parameters, "ParamBut", "Add Parameters to Report", ":/icons/parameters.svg", true, true, false, false},
        {B::Hydrostatics, "CalcBut", "Hydrostatics", ":/icons/hydrostatics.svg", true, true, false, true},
        {B::Cascade, "CascadeBut", "Cascade Windows", ":/icons/cascade.svg", true, true, false, false},
        {B::Tile, "TileBut", "Tile Windows", ":/icons/tile.svg", true, true, false, false},
        {B::ShowReport, "ShowReportBut", "Show Report", ":/icons/report.svg", true, true, false, false},
        {B::View3d, "View3dBut", "Show 3D Viewer", ":/icons/view3d.svg", true, true, false, false},
        {B::WorkArrangement, "WorkBut", "Working Window Arrangement", ":/icons/working-arrangement.svg", true, true, false, false},
        {B::Font, "FontBut", "Set Font...", ":/icons/font.svg", true, false, false, false},
    };
    return table;
}
