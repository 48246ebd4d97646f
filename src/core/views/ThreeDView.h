#pragma once
#include "model/HullRecord.h"
#include "views/DrawingSettings.h"
#include "views/Viewport3d.h"

namespace sloopform {

// The viewing set-up of a new 3D view: the hull seen from straight above, in
// perspective from 400 m with a projection distance of 500.
void InitialiseThreeDView(TViewport3d& viewport);

// Centres the measured construction lines in the window with 4 % free on each
// side in the limiting direction, true to the aspect ratio, projected y upwards.
// A surface without width or height keeps its window.
void Fit3D(TViewport3d& viewport);

// Clears to the background colour and draws what the switches allow.
void Redraw3D(TViewport3d& viewport, const HullRecord& hull, const DrawingSettings& settings,
              const DisplaySwitches& switches);

enum class PresetView { Stations, Waterlines, Profile, Isometric };

struct ViewDirection {
    int Elevation;
    int Azimuth;
};

ViewDirection PresetDirection(PresetView preset);

// The middle of the hull's box: half the overall length aft of the stem head,
// on the centre plane, half the highest sheer's height above the base line.
// The 3D view turns about it.
TPoint3r HullCentre(const HullRecord& hull);

// Turns to the preset direction, refits and repaints once.
void ShowPresetView(TViewport3d& viewport, PresetView preset);

}  // namespace sloopform
