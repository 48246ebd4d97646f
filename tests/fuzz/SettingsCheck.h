#pragma once
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/RecentProjects.h"
#include "settings/SettingsFileFormat.h"

namespace sloopform::fuzz {

using StoredTexts = std::map<std::pair<std::string, std::string>, std::string>;

inline std::string WithoutBlanks(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The texts under each section and key, as an INI reader finds them: "[name]"
// opens a section, "key=value" sets a key (the last one wins), blanks around
// both are dropped, anything else is ignored.
inline StoredTexts ReadIniLines(const std::vector<std::string>& lines)
{
    StoredTexts texts;
    std::string section;
    for (const std::string& raw : lines) {
        const std::string line = WithoutBlanks(raw);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos || equals == 0) continue;
        texts[{section, WithoutBlanks(line.substr(0, equals))}] = WithoutBlanks(line.substr(equals + 1));
    }
    return texts;
}

inline std::vector<std::string> SplitIniText(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (const char c : text)
        if (c == '\n' || c == '\r') lines.emplace_back();
        else lines.back() += c;
    return lines;
}

inline Settings SettingsFromTexts(const StoredTexts& texts)
{
    return SettingsFromFile([&](const std::string& section, const std::string& key) {
        const auto found = texts.find({section, key});
        return found == texts.end() ? std::nullopt : std::optional<std::string>(found->second);
    });
}

namespace detail {

// A whole decimal integer with an optional sign, as the file stores it.
inline std::optional<long long> StrictInteger(const std::string& text)
{
    std::size_t i = text.empty() || (text[0] != '+' && text[0] != '-') ? 0 : 1;
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (!std::isdigit(static_cast<unsigned char>(text[k]))) return std::nullopt;
        value = std::min(value * 10 + (text[k] - '0'), 1000000000000LL);
    }
    return text[0] == '-' ? -value : value;
}

inline std::string LowerCase(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace detail

// What settings from any text must keep: each key holds the number stored
// for it when that is a whole number within the range the dialog accepts
// (UserRatio also true or false), otherwise its default; and the file written
// from them reads back as the same settings.
inline std::string CheckSettingsText(const std::string& text)
{
    struct Range {
        const char* Section;
        const char* Key;
        long long Lowest, Highest;
    };
    // The accepted ranges, as stored (reals × 100000).
    static const Range ranges[] = {
        {"Colors", "BackgroundColor", 0, 0xFFFFFF}, {"Colors", "BackGroundIndex", 0, 15},
        {"Colors", "ConstructionColor", 0, 0xFFFFFF}, {"Colors", "ConstructionIndex", 0, 15},
        {"Colors", "OutlineColor", 0, 0xFFFFFF},    {"Colors", "OutlineIndex", 0, 15},
        {"DrawingSetup", "UserRatio", 0, 1},        {"DrawingSetup", "AspectRatio", 80000, 120000},
        {"Accuracies", "Dimensions", 1, 11000},     {"Accuracies", "Percentages", 100, 110000},
        {"Accuracies", "Coefficients", 10, 11000},
        {"DrawingSetup", "SmoothLines", 0, 1},
    };
    const StoredTexts texts = ReadIniLines(SplitIniText(text));
    const Settings settings = SettingsFromTexts(texts);
    const std::vector<std::string> lines = SettingsFileLines(settings);
    const std::vector<std::string> defaults = SettingsFileLines(Settings{});
    // The recent projects' section: a blank line, its header and one line each.
    const std::size_t recentLines = settings.RecentProjects.empty() ? 0 : settings.RecentProjects.size() + 2;
    if (settings.RecentProjects.size() > kRecentProjectsKept) return "more than the recent projects kept";
    if (lines.size() != defaults.size() + recentLines)
        return "the file has " + std::to_string(lines.size()) + " lines";

    const StoredTexts written = ReadIniLines(lines);
    const StoredTexts defaultTexts = ReadIniLines(defaults);
    for (const Range& range : ranges) {
        std::string wanted = defaultTexts.at({range.Section, range.Key});
        const auto stored = texts.find({range.Section, range.Key});
        if (stored != texts.end()) {
            const std::string word = detail::LowerCase(stored->second);
            const bool boolean = range.Key == std::string("UserRatio") || range.Key == std::string("SmoothLines");
            const bool trueOrFalse = boolean && (word == "true" || word == "false");
            const std::optional<long long> number =
                trueOrFalse ? std::optional<long long>(word == "true") : detail::StrictInteger(stored->second);
            if (number && *number >= range.Lowest && *number <= range.Highest) wanted = std::to_string(*number);
        }
        const std::string kept = written.at({range.Section, range.Key});
        if (kept != wanted)
            return std::string(range.Key) + " keeps " + kept + " instead of " + wanted;
    }

    const Settings reread = SettingsFromTexts(written);
    if (SettingsFileLines(reread) != lines) return "the written settings read back differently";
    if (reread.Drawing.AspectRatio != settings.Drawing.AspectRatio ||
        reread.Goals.Dimension != settings.Goals.Dimension ||
        reread.Goals.Percentage != settings.Goals.Percentage ||
        reread.Goals.Coefficient != settings.Goals.Coefficient)
        return "a real changed over a write and read";
    return {};
}

}  // namespace sloopform::fuzz
