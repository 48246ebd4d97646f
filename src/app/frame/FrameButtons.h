#pragma once
#include <QList>

#include "frame/FrameServices.h"

// One tool button of the frame: its name, hint, glyph and state at start.
struct FrameButtonInfo {
    FrameButton id;
    const char* name;
    const char* hint;
    const char* icon;
    bool enabledAtStart;
    bool visible;
    bool mouseMode;  // one of the exclusive zoom window / pan / rotate buttons
    bool groupEnd;   // a separator follows on the tool bar
};

// The buttons in tool bar order.
const QList<FrameButtonInfo>& FrameButtonTable();

extern const char* const kRunGeneratorHint;
extern const char* const kStopGeneratorHint;
