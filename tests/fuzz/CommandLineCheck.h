#pragma once
#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "numeric/Real48.h"

namespace sloopform::fuzz {

// Arguments from fuzzing bytes: NUL separates them, as it cannot occur inside one.
inline std::vector<std::string> SplitArguments(const std::string& bytes)
{
    std::vector<std::string> arguments;
    if (bytes.empty()) return arguments;
    arguments.emplace_back();
    for (const char c : bytes)
        if (c == '\0') arguments.emplace_back();
        else arguments.back() += c;
    return arguments;
}

namespace detail {

inline bool UsableGoal(long double goal) { return std::isfinite(goal) && Real48(goal) > 0; }

}  // namespace detail

// What the batch tool's parser must give for any arguments: either a usage
// error with its message (the tool then exits with status 2) or a command
// whose every value the tool can use as it stands.
inline std::string CheckCommandLine(const std::vector<std::string>& arguments)
{
    using namespace batch;
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.options) return parsed.error.empty() ? "a usage error without a message" : "";
    if (!parsed.error.empty()) return "a parsed command with the error " + parsed.error;

    const BatchOptions& options = *parsed.options;
    const bool information = options.command == Command::Help || options.command == Command::Version;
    if (information) return arguments.size() == 1 ? "" : "--help or --version with further arguments";
    if (options.project.empty() || options.project.rfind("--", 0) == 0)
        return "a command without a project: '" + options.project + "'";
    if (!detail::UsableGoal(options.goals.dimension) || !detail::UsableGoal(options.goals.percentage) ||
        !detail::UsableGoal(options.goals.coefficient))
        return "a goal that does not store as a positive 6-byte real";
    // The deadline is the time now plus the timeout on the steady clock.
    const std::chrono::duration<double> timeout(options.timeoutSeconds);
    if (!(options.timeoutSeconds > 0) ||
        !(timeout < std::chrono::duration<double>(std::chrono::steady_clock::duration::max()) / 4))
        return "a timeout of " + std::to_string(options.timeoutSeconds) + " s";
    const bool needsSpeed = options.command == Command::Resistance || options.command == Command::Optimise;
    if (needsSpeed != options.speed.has_value()) return "a speed given or missing against the command";
    if (options.exact && !options.report) return "--exact without --report";
    // A mesh tolerance the tool takes: fine enough to matter, coarse enough to mesh.
    if (options.stlToleranceMm && (!options.stl || !(*options.stlToleranceMm >= 0.01L && *options.stlToleranceMm <= 100)))
        return "a --stl-tolerance the mesh cannot use";
    return {};
}

}  // namespace sloopform::fuzz
