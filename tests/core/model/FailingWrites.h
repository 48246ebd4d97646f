#pragma once
#include "platform/TextFileWriter.h"

namespace sloopform::test {

// Makes every file write fail from the given line on, for one scope.
struct FailingWrites {
    explicit FailingWrites(int line) { TextFileWriter::FailWritesFromLine(line); }
    ~FailingWrites() { TextFileWriter::FailWritesFromLine(std::nullopt); }
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;
};

}  // namespace sloopform::test
