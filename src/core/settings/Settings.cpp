#include "settings/Settings.h"

namespace sloopform {

Settings& ProgramSettings() {
    static Settings settings;
    return settings;
}

}  // namespace sloopform
