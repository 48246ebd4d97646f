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

}  // namespace sloopform::batch
