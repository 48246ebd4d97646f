#pragma once
#include <QFont>

// A font whose characters all advance equally, by measurement: the font
// database's fixed-pitch flag is wrong for some families that "monospace"
// resolves to. The system's fixed font when it measures so, else the first
// installed family of a short list that does, else the system's fixed font.
QFont FixedPitchFont();
