#pragma once
#include <QString>

class FrameServices;

// Keeps copies of the project's and the report's unsaved text in `folder`
// (see RecoveryKeeper), offers what a crash left there, and removes the
// copies when the program ends cleanly.
void KeepUnsavedDocuments(FrameServices& frame, const QString& folder);

// The per-user recovery folder: $XDG_DATA_HOME/sloopform/recovery.
QString RecoveryFolder();
