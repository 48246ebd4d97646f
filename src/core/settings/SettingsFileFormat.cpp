#include "settings/SettingsFileFormat.h"

#include <cctype>
#include <cmath>

#include "numeric/NumberText.h"
#include "settings/GoalEntry.h"
#include "settings/RecentProjects.h"
#include "settings/StandardColors.h"

namespace sloopform {

long ScaledSetting(long double value) { return std::lround(value * 100000.0L); }

long double UnscaledSetting(long stored) { return stored * 0.00001L; }

namespace {

// One key of the file: where it lives, the stored values accepted, and how it
// moves between the settings and its stored integer.
struct SettingKey {
    const char* Section;
    const char* Name;
    bool Boolean;  // also read as "true" or "false", as other programs write it
    long Lowest;
    long Highest;
    long (*Store)(const Settings&);
    void (*Load)(Settings&, long);
};

constexpr long kLastColor = 0xFFFFFF;
constexpr long kLastCell = static_cast<long>(kStandardColors.size()) - 1;

long ScaledLowest(const GoalRule& rule) { return ScaledSetting(rule.Lowest); }
long ScaledHighest(const GoalRule& rule) { return ScaledSetting(rule.Highest); }

const std::vector<SettingKey>& Keys()
{
    static const std::vector<SettingKey> keys = {
        {"Colors", "BackgroundColor", false, 0, kLastColor,
         [](const Settings& s) -> long { return s.Drawing.BackgroundColor; },
         [](Settings& s, long v) { s.Drawing.BackgroundColor = static_cast<TColor>(v); }},
        {"Colors", "BackGroundIndex", false, 0, kLastCell,
         [](const Settings& s) -> long { return s.BackGroundIndex; },
         [](Settings& s, long v) { s.BackGroundIndex = static_cast<int>(v); }},
        {"Colors", "ConstructionColor", false, 0, kLastColor,
         [](const Settings& s) -> long { return s.Drawing.ConstructionColor; },
         [](Settings& s, long v) { s.Drawing.ConstructionColor = static_cast<TColor>(v); }},
        {"Colors", "ConstructionIndex", false, 0, kLastCell,
         [](const Settings& s) -> long { return s.ConstructionIndex; },
         [](Settings& s, long v) { s.ConstructionIndex = static_cast<int>(v); }},
        {"Colors", "OutlineColor", false, 0, kLastColor,
         [](const Settings& s) -> long { return s.Drawing.OutlineColor; },
         [](Settings& s, long v) { s.Drawing.OutlineColor = static_cast<TColor>(v); }},
        {"Colors", "OutlineIndex", false, 0, kLastCell,
         [](const Settings& s) -> long { return s.OutlineIndex; },
         [](Settings& s, long v) { s.OutlineIndex = static_cast<int>(v); }},
        {"DrawingSetup", "UserRatio", true, 0, 1,
         [](const Settings& s) -> long { return s.UserRatio ? 1 : 0; },
         [](Settings& s, long v) { s.UserRatio = v != 0; }},
        {"DrawingSetup", "AspectRatio", false, ScaledSetting(kAspectRatioLowest * 0.01L),
         ScaledSetting(kAspectRatioHighest * 0.01L),
         [](const Settings& s) { return ScaledSetting(s.Drawing.AspectRatio); },
         [](Settings& s, long v) { s.Drawing.AspectRatio = UnscaledSetting(v); }},
        {"DrawingSetup", "SmoothLines", true, 0, 1,
         [](const Settings& s) -> long { return s.Drawing.SmoothLines ? 1 : 0; },
         [](Settings& s, long v) { s.Drawing.SmoothLines = v != 0; }},
        {"Accuracies", "Dimensions", false, ScaledLowest(kDimensionGoalRule),
         ScaledHighest(kDimensionGoalRule),
         [](const Settings& s) { return ScaledSetting(s.Goals.Dimension); },
         [](Settings& s, long v) { s.Goals.Dimension = UnscaledSetting(v); }},
        {"Accuracies", "Percentages", false, ScaledLowest(kPercentageGoalRule),
         ScaledHighest(kPercentageGoalRule),
         [](const Settings& s) { return ScaledSetting(s.Goals.Percentage); },
         [](Settings& s, long v) { s.Goals.Percentage = UnscaledSetting(v); }},
        {"Accuracies", "Coefficients", false, ScaledLowest(kCoefficientGoalRule),
         ScaledHighest(kCoefficientGoalRule),
         [](const Settings& s) { return ScaledSetting(s.Goals.Coefficient); },
         [](Settings& s, long v) { s.Goals.Coefficient = UnscaledSetting(v); }},
        {"Editing", "RegenerateWhileEditing", true, 0, 1,
         [](const Settings& s) -> long { return s.RegenerateWhileEditing ? 1 : 0; },
         [](Settings& s, long v) { s.RegenerateWhileEditing = v != 0; }},
    };
    return keys;
}

std::string LowerCase(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The integer a stored text stands for.
std::optional<long> StoredInteger(const SettingKey& key, const std::string& text)
{
    if (key.Boolean) {
        const std::string word = LowerCase(text);
        if (word == "true") return 1;
        if (word == "false") return 0;
    }
    return ParseInteger(text);
}

constexpr char kRecentSection[] = "Recent";

std::string RecentKey(std::size_t index) { return "File" + std::to_string(index + 1); }

}  // namespace

std::vector<std::string> SettingsFileLines(const Settings& settings)
{
    std::vector<std::string> lines;
    std::string section;
    for (const SettingKey& key : Keys()) {
        if (key.Section != section) {
            if (!section.empty()) lines.emplace_back();
            section = key.Section;
            lines.push_back("[" + section + "]");
        }
        lines.push_back(std::string(key.Name) + "=" + std::to_string(key.Store(settings)));
    }
    if (settings.RecentProjects.empty()) return lines;
    lines.emplace_back();
    lines.push_back(std::string("[") + kRecentSection + "]");
    for (std::size_t i = 0; i < settings.RecentProjects.size(); ++i)
        lines.push_back(RecentKey(i) + "=" + EncodedSettingText(settings.RecentProjects[i]));
    return lines;
}

Settings SettingsFromFile(const StoredSettingLookup& lookup)
{
    Settings settings;
    for (const SettingKey& key : Keys()) {
        const std::optional<std::string> text = lookup(key.Section, key.Name);
        const std::optional<long> stored = text ? StoredInteger(key, *text) : std::nullopt;
        if (stored && *stored >= key.Lowest && *stored <= key.Highest) key.Load(settings, *stored);
    }
    // A damaged entry is left out; the others keep their order.
    for (std::size_t i = kRecentProjectsKept; i-- > 0;) {
        const std::optional<std::string> text = lookup(kRecentSection, RecentKey(i));
        const auto path = text ? DecodedSettingText(*text) : std::nullopt;
        if (path && !path->empty()) AddRecentProject(settings.RecentProjects, *path);
    }
    return settings;
}

}  // namespace sloopform
