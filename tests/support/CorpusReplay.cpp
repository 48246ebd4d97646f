#include "CorpusReplay.h"

#include <gtest/gtest.h>

#include <exception>

#include "TestPaths.h"

namespace sloopform::test {

int ReplayCorpus(const std::string& corpus, const std::function<std::string(const std::string& bytes)>& check)
{
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SourceDir() / "tests/fuzz" / corpus)) {
        const std::string name = entry.path().filename().string();
        try {
            EXPECT_EQ(check(ReadFileBytes(entry.path())), "") << name;
        } catch (const std::exception& fault) {
            ADD_FAILURE() << name << " threw: " << fault.what();
        }
        ++replayed;
    }
    return replayed;
}

}  // namespace sloopform::test
