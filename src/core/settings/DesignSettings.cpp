#include "settings/DesignSettings.h"

#include <optional>

#include "analysis/OffsetLevelsText.h"
#include "model/TextDataFile.h"
#include "numeric/NumberText.h"

namespace sloopform {

namespace {

constexpr char kMethodKey[] = "Method";
constexpr char kVcgKey[] = "VCG";
constexpr char kLevelSeparator = ' ';

struct LevelKey {
    const char* Key;
    bool Buttocks;
    std::vector<long double> OffsetLevels::*Levels;
};
const LevelKey kLevelKeys[] = {{"WaterlineLevels", false, &OffsetLevels::Waterlines},
                               {"ButtockLevels", true, &OffsetLevels::Buttocks}};

struct ToggleKey {
    const char* Key;
    bool LinesPlanToggles::*Toggle;
};
const ToggleKey kToggleKeys[] = {
    {"ShowConstructionLines", &LinesPlanToggles::ConstructionLines},
    {"ShowHullOutlines", &LinesPlanToggles::HullOutlines},
    {"ShowSplitBodyPlan", &LinesPlanToggles::SplitBodyPlan},
    {"ShowWaterlines", &LinesPlanToggles::Waterlines},
    {"ShowButtocks", &LinesPlanToggles::Buttocks},
    {"ShowLabels", &LinesPlanToggles::Labels},
    {"ShowDiagonals", &LinesPlanToggles::Diagonals},
};

const GeneratorMethod kMethods[] = {GeneratorMethod::Classic, GeneratorMethod::Robust};

std::optional<GeneratorMethod> MethodNamed(const std::string& name)
{
    for (GeneratorMethod method : kMethods)
        if (name == GeneratorMethodName(method)) return method;
    return std::nullopt;
}

std::optional<bool> Toggle(const std::string& text)
{
    if (text == "1") return true;
    if (text == "0") return false;
    return std::nullopt;
}

}  // namespace

bool LinesPlanToggles::operator==(const LinesPlanToggles& other) const
{
    for (const ToggleKey& key : kToggleKeys)
        if (this->*key.Toggle != other.*key.Toggle) return false;
    return true;
}

bool DesignSettings::operator==(const DesignSettings& other) const
{
    return Method == other.Method && Offsets.Waterlines == other.Offsets.Waterlines &&
           Offsets.Buttocks == other.Offsets.Buttocks && LinesPlan == other.LinesPlan && Vcg == other.Vcg;
}

const char* GeneratorMethodName(GeneratorMethod method)
{
    return method == GeneratorMethod::Robust ? "Robust" : "Classic";
}

ProjectEntries DesignSettingsEntries(const DesignSettings& settings)
{
    ProjectEntries entries{{kMethodKey, GeneratorMethodName(settings.Method)}};
    for (const LevelKey& key : kLevelKeys)
        entries.push_back({key.Key, LevelListText(settings.Offsets.*key.Levels, kLevelSeparator)});
    for (const ToggleKey& key : kToggleKeys)
        entries.push_back({key.Key, settings.LinesPlan.*key.Toggle ? "1" : "0"});
    if (settings.Vcg) entries.push_back({kVcgKey, TTextDataFile::RealText(*settings.Vcg)});
    return entries;
}

DesignSettings DesignSettingsFromEntries(const ProjectEntries& entries, std::vector<std::string>& unreadable)
{
    DesignSettings settings;
    const auto take = [&](const char* key, const auto& read) {
        const std::optional<std::string> text = ProjectEntryValue(entries, key);
        if (text && !read(*text)) unreadable.push_back(std::string(key) + "=" + *text);
    };
    take(kMethodKey, [&](const std::string& text) {
        const auto method = MethodNamed(text);
        if (method) settings.Method = *method;
        return method.has_value();
    });
    for (const LevelKey& key : kLevelKeys)
        take(key.Key, [&](const std::string& text) {
            const auto levels = ParseLevelList(text, kLevelSeparator, key.Buttocks);
            if (levels) settings.Offsets.*key.Levels = *levels;
            return levels.has_value();
        });
    for (const ToggleKey& key : kToggleKeys)
        take(key.Key, [&](const std::string& text) {
            const auto on = Toggle(text);
            if (on) settings.LinesPlan.*key.Toggle = *on;
            return on.has_value();
        });
    take(kVcgKey, [&](const std::string& text) {
        const auto vcg = ParseReal(text);
        if (vcg) settings.Vcg = *vcg;
        return vcg.has_value();
    });
    return settings;
}

DisplaySwitches LinesPlanSwitches(const DesignSettings& settings)
{
    const LinesPlanToggles& toggles = settings.LinesPlan;
    DisplaySwitches switches{toggles.ConstructionLines, toggles.HullOutlines};
    switches.SplitBodyPlan = toggles.SplitBodyPlan;
    switches.Waterlines = toggles.Waterlines;
    switches.Buttocks = toggles.Buttocks;
    switches.Labels = toggles.Labels;
    switches.Diagonals = toggles.Diagonals;
    switches.Levels = settings.Offsets;
    return switches;
}

}  // namespace sloopform
