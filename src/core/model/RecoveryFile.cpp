#include "model/RecoveryFile.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "platform/TextFileWriter.h"

namespace sloopform {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kRunLength = 9;  // 8 hexadecimal digits and "-"

std::string NewRun()
{
    char run[kRunLength + 1];
    std::snprintf(run, sizeof run, "%08x-", static_cast<unsigned>(std::random_device()()));
    return run;
}

}  // namespace

RecoveryFile::RecoveryFile(fs::path folder, std::string kind, std::string extension)
    : folder_(std::move(folder)),
      prefix_(std::move(kind) + "-"),
      run_(NewRun()),
      extension_("." + std::move(extension))
{
}

bool RecoveryFile::Write(const std::vector<std::string>& lines, const std::string& documentName)
{
    std::error_code error;
    fs::create_directories(folder_, error);
    const fs::path copy = folder_ / (prefix_ + run_ + documentName);
    TextFileWriter writer(copy);
    bool written = writer.Open();
    for (const std::string& line : lines) written = written && writer.WriteLine(line);
    if (!written || !writer.Commit()) return false;
    // The document was renamed since the last copy: the old copy is stale.
    if (current_ && *current_ != copy) fs::remove(*current_, error);
    current_ = copy;
    return true;
}

void RecoveryFile::Discard()
{
    std::error_code error;
    if (current_) fs::remove(*current_, error);
    current_.reset();
}

void RecoveryFile::RemoveAll()
{
    Discard();
    std::error_code error;
    for (const fs::path& copy : offered_) fs::remove(copy, error);
    offered_.clear();
}

std::vector<fs::path> RecoveryFile::LeftOver() const
{
    std::vector<std::pair<fs::file_time_type, fs::path>> found;
    std::error_code error;
    for (fs::directory_iterator entry(folder_, error), end; !error && entry != end; entry.increment(error)) {
        const fs::path& path = entry->path();
        const std::string name = path.filename().string();
        const bool ofThisKind = name.size() > prefix_.size() + kRunLength + extension_.size() &&
                                name.compare(0, prefix_.size(), prefix_) == 0 &&
                                name.compare(name.size() - extension_.size(), extension_.size(), extension_) == 0;
        const bool ofThisRun = ofThisKind && name.compare(prefix_.size(), kRunLength, run_) == 0;
        std::error_code ignored;
        if (ofThisKind && !ofThisRun && entry->is_regular_file(ignored))
            found.emplace_back(entry->last_write_time(ignored), path);
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<fs::path> copies;
    for (auto& [time, path] : found) copies.push_back(std::move(path));
    return copies;
}

std::string RecoveryFile::DocumentName(const fs::path& copy) const
{
    return copy.filename().string().substr(prefix_.size() + kRunLength);
}

void RecoveryFile::MarkOffered(const fs::path& copy)
{
    if (std::find(offered_.begin(), offered_.end(), copy) == offered_.end()) offered_.push_back(copy);
}

std::optional<fs::path> RecoveryFile::PutAside(const fs::path& copy)
{
    std::error_code error;
    for (int n = 1; n < 1000; ++n) {
        fs::path aside = copy;
        aside += n == 1 ? ".damaged" : ".damaged-" + std::to_string(n);
        if (fs::exists(aside, error)) continue;
        fs::rename(copy, aside, error);
        if (error) return std::nullopt;
        return aside;
    }
    return std::nullopt;
}

}  // namespace sloopform
