#pragma once
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace sloopform {

// Creates a new file in the target's folder, named after the target and
// hidden, and opens it for writing: the place a file is written before it
// replaces the target. Nothing when the folder is missing or no name is free.
std::optional<std::filesystem::path> OpenTemporarySibling(const std::filesystem::path& target,
                                                          std::ofstream& stream);

// Writes a text file with CR LF line ends so that a failure never leaves a
// truncated file or destroys the previous one: lines go to a temporary file in
// the same folder, which replaces the target only on Commit. Nothing throws;
// every step reports success.
class TextFileWriter {
public:
    explicit TextFileWriter(std::filesystem::path target);
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    bool Open();
    bool WriteLine(std::string_view line);  // the line's bytes as given, then CR LF
    bool Commit();                          // close and rename over the target
    const std::filesystem::path& Target() const { return target_; }

    // Test seam: every writer fails the write of its line number `line` (1-based)
    // and all later ones; nothing restores normal writing.
    static void FailWritesFromLine(std::optional<int> line);

private:
    void Discard();

    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::ofstream stream_;
    int linesWritten_ = 0;
    bool failed_ = false;
    bool committed_ = false;
};

}  // namespace sloopform
