#include "platform/TextFileWriter.h"

#include <random>

namespace sloopform {

namespace {
std::optional<int> failingLine;
}  // namespace

void TextFileWriter::FailWritesFromLine(std::optional<int> line) { failingLine = line; }

TextFileWriter::TextFileWriter(std::filesystem::path target) : target_(std::move(target)) {}

TextFileWriter::~TextFileWriter()
{
    if (!committed_) Discard();
}

std::optional<std::filesystem::path> OpenTemporarySibling(const std::filesystem::path& target,
                                                          std::ofstream& stream)
{
    std::random_device device;
    const auto folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) return std::nullopt;
    for (int attempt = 0; attempt < 16; ++attempt) {
        auto temporary = folder / ("." + target.filename().string() + "." + std::to_string(device()) + ".tmp");
        if (std::filesystem::exists(temporary, error)) continue;
        stream.open(temporary, std::ios::binary | std::ios::trunc);
        if (stream.is_open()) return temporary;
    }
    return std::nullopt;
}

bool TextFileWriter::Open()
{
    if (auto temporary = OpenTemporarySibling(target_, stream_)) temporary_ = std::move(*temporary);
    failed_ = !stream_.is_open();
    return !failed_;
}

bool TextFileWriter::WriteLine(std::string_view line)
{
    if (failed_ || !stream_.is_open()) return false;
    ++linesWritten_;
    if (failingLine && linesWritten_ >= *failingLine) {
        failed_ = true;
        return false;
    }
    stream_.write(line.data(), static_cast<std::streamsize>(line.size()));
    stream_.write("\r\n", 2);
    failed_ = !stream_.good();
    return !failed_;
}

bool TextFileWriter::Commit()
{
    if (failed_ || !stream_.is_open()) return false;
    stream_.close();
    if (stream_.fail()) {
        failed_ = true;
        return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) {
        failed_ = true;
        return false;
    }
    committed_ = true;
    return true;
}

void TextFileWriter::Discard()
{
    if (stream_.is_open()) stream_.close();
    if (!temporary_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

}  // namespace sloopform
