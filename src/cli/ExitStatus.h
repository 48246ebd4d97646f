#pragma once

namespace sloopform::batch {

enum ExitStatus {
    kExitDone = 0,
    kExitNotFinished = 1,  // cancelled, fatal error, timeout, failed computation
    kExitBadInput = 2,     // usage, unreadable or invalid project, unwritable file
};

}  // namespace sloopform::batch
