#pragma once
#include <memory>
#include <string>

#include "model/DataEdit.h"

namespace sloopform::batch {

class ConsoleUi;

// Reads a project file into a fresh parameter editor. Nothing when the file is
// missing or the reader reported a fault (its message is already on standard
// error).
std::unique_ptr<TDataEdit> ReadProject(const std::string& path, ConsoleUi& ui);

// True when every stored value passes its table row's rule; otherwise each
// of the table's messages is one line on standard error, in row order.
bool StoredValuesAccepted(const TDataEdit& editor);

}  // namespace sloopform::batch
