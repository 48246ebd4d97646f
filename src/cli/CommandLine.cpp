#include "CommandLine.h"

#include <cmath>
#include <map>

#include "analysis/OffsetLevelsText.h"
#include "numeric/NumberText.h"
#include "numeric/Real48.h"

namespace sloopform::batch {

const char* UsageText()
{
    return "usage:\n"
           "  sloopform-batch run PROJECT.sfp [--goals DIM,PCT,COEF] [--report FILE [--exact]]\n"
           "                                 [--dxf FILE] [--dxf-plan FILE] [--gf1 FILE] [--svg FILE] [--svg-3d FILE]\n"
           "                                 [--step FILE] [--iges FILE] [--stl FILE [--stl-tolerance MM]]\n"
           "                                 [--json FILE] [--timeout SECONDS] [--quiet]\n"
           "                                 [--method classic|robust]\n"
           "                                 [--offsets FILE] [--offsets-levels WL1,WL2,...:BT1,BT2,...]\n"
           "                                 [--scale 1:N (with --svg)] [--combs (with --svg)]\n"
           "  sloopform-batch resistance PROJECT.sfp (--fn F | --knots K | --ms V) [--json FILE]\n"
           "  sloopform-batch resistance PROJECT.sfp --curve FILE.csv [--unit fn|knots|ms]\n"
           "                                 [--from X] [--to Y] [--step Z]\n"
           "  sloopform-batch optimise PROJECT.sfp (--fn F | --knots K | --ms V) [--no-cp] [--no-lcb]\n"
           "                                 [--apply OUT.sfp] [--json FILE]\n"
           "  sloopform-batch quickcalc PROJECT.sfp [--json FILE]\n"
           "  sloopform-batch stability PROJECT.sfp [--vcg Z] [--method classic|robust]\n"
           "                                 [--angles A,B,...] [--json FILE] [--curve FILE.csv]\n"
           "  sloopform-batch --help | --version\n"
           "FILE may be - for standard output.\n";
}

namespace {

// About 32 years: any longer and the deadline would not fit the steady clock.
constexpr long double kLongestTimeoutSeconds = 1e9L;

class Parser {
public:
    explicit Parser(const std::vector<std::string>& arguments) : args_(arguments) {}

    ParsedCommandLine Parse()
    {
        if (args_.empty()) return Fail("no command given");
        const std::string& first = args_[0];
        if (first == "--help" || first == "-h") return Done(Command::Help);
        if (first == "--version") return Done(Command::Version);
        static const std::map<std::string, Command> commands = {
            {"run", Command::Run},
            {"resistance", Command::Resistance},
            {"optimise", Command::Optimise},
            {"quickcalc", Command::QuickCalc},
            {"stability", Command::Stability}};
        const auto command = commands.find(first);
        if (command == commands.end()) return Fail("unknown command '" + first + "'");
        options_.command = command->second;
        if (args_.size() < 2 || args_[1].empty() || args_[1].rfind("--", 0) == 0)
            return Fail("the " + first + " command needs a project file");
        options_.project = args_[1];
        for (index_ = 2; index_ < args_.size(); ++index_)
            if (!Option(args_[index_])) return {std::nullopt, error_};
        if (options_.command == Command::Resistance && options_.curve && (options_.speed || options_.json))
            return Fail("--curve writes a range of speeds: give no --fn, --knots, --ms or --json with it");
        if (curveRangeGiven_ && !options_.curve)
            return Fail("--unit, --from, --to and --step set the range of --curve: give --curve FILE too");
        if (NeedsSpeed() && !options_.speed && !options_.curve)
            return Fail("give the speed with --fn, --knots or --ms");
        if (options_.exact && !options_.report)
            return Fail("--exact adds a block to the report: give --report FILE too");
        if (options_.stlToleranceMm && !options_.stl)
            return Fail("--stl-tolerance sets the chord deviation of the --stl mesh: give --stl FILE too");
        if (options_.scale && !options_.svg)
            return Fail("--scale draws the --svg lines plan to scale: give --svg FILE too");
        if (options_.combs && !options_.svg)
            return Fail("--combs draws curvature combs on the --svg lines plan: give --svg FILE too");
        if (levelsGiven_ && !options_.offsets && !options_.json)
            return Fail("--offsets-levels sets the levels of the offsets: give --offsets FILE or "
                        "--json FILE too");
        return {options_, {}};
    }

private:
    ParsedCommandLine Done(Command command)
    {
        if (args_.size() > 1) return Fail("'" + args_[0] + "' takes no further arguments");
        options_.command = command;
        return {options_, {}};
    }

    ParsedCommandLine Fail(const std::string& message) { return {std::nullopt, message}; }

    bool NeedsSpeed() const
    {
        return options_.command == Command::Resistance || options_.command == Command::Optimise;
    }

    bool Allowed(const std::string& option) const
    {
        switch (options_.command) {
        case Command::Run:
            return option == "--goals" || option == "--report" || option == "--dxf" || option == "--dxf-plan" ||
                   option == "--step" || option == "--iges" || option == "--stl" ||
                   option == "--stl-tolerance" || option == "--gf1" || option == "--svg" || option == "--svg-3d" ||
                   option == "--json" || option == "--timeout" || option == "--quiet" ||
                   option == "--exact" || option == "--method" || option == "--offsets" ||
                   option == "--offsets-levels" || option == "--scale" || option == "--combs";
        case Command::Resistance:
            return option == "--fn" || option == "--knots" || option == "--ms" || option == "--json" ||
                   option == "--curve" || option == "--unit" || option == "--from" || option == "--to" ||
                   option == "--step";
        case Command::Optimise:
            return option == "--fn" || option == "--knots" || option == "--ms" || option == "--json" ||
                   option == "--no-cp" || option == "--no-lcb" || option == "--apply";
        case Command::QuickCalc: return option == "--json";
        case Command::Stability:
            return option == "--vcg" || option == "--method" || option == "--angles" || option == "--json" ||
                   option == "--curve";
        default: return false;
        }
    }

    bool Error(const std::string& message)
    {
        error_ = message;
        return false;
    }

    std::optional<std::string> Value(const std::string& option)
    {
        if (index_ + 1 >= args_.size()) {
            error_ = option + " needs a value";
            return std::nullopt;
        }
        return args_[++index_];
    }

    bool Option(const std::string& option)
    {
        if (!Allowed(option)) return Error("unknown option '" + option + "' for this command");
        if (option == "--quiet" || option == "--exact" || option == "--no-cp" ||
            option == "--no-lcb" || option == "--combs") {
            options_.quiet |= option == "--quiet";
            options_.combs |= option == "--combs";
            options_.exact |= option == "--exact";
            options_.optimiseCp &= option != "--no-cp";
            options_.optimiseLcb &= option != "--no-lcb";
            return true;
        }
        const auto value = Value(option);
        if (!value) return false;
        if (option == "--goals") return Goals(*value);
        if (option == "--method") return Method(*value);
        if (option == "--offsets-levels") return OffsetsLevels(*value);
        if (option == "--scale") return Scale(*value);
        if (option == "--unit") return CurveUnit(*value);
        if (option == "--vcg") return Vcg(*value);
        if (option == "--angles") return Angles(*value);
        if (option == "--from") return CurveBound(option, *value, options_.curveFrom);
        if (option == "--to") return CurveBound(option, *value, options_.curveTo);
        // The run command's --step names the STEP file.
        if (option == "--step" && options_.command == Command::Resistance)
            return CurveBound(option, *value, options_.curveStep);
        if (option == "--stl-tolerance") return StlTolerance(*value);
        if (option == "--timeout") {
            const auto seconds = ParseReal(*value);
            if (!seconds || *seconds <= 0 || *seconds > kLongestTimeoutSeconds)
                return Error("--timeout needs a positive number of seconds, at most 1000000000");
            options_.timeoutSeconds = static_cast<double>(*seconds);
            return true;
        }
        if (option == "--fn" || option == "--knots" || option == "--ms") {
            if (options_.speed) return Error("give only one of --fn, --knots and --ms");
            const SpeedUnit unit = option == "--fn"      ? SpeedUnit::FroudeNumber
                                   : option == "--knots" ? SpeedUnit::Knots
                                                         : SpeedUnit::MetresPerSecond;
            options_.speed = Speed{unit, *value};
            return true;
        }
        static const std::map<std::string, std::optional<std::string> BatchOptions::*> files = {
            {"--report", &BatchOptions::report}, {"--dxf", &BatchOptions::dxf},
            {"--dxf-plan", &BatchOptions::dxfPlan},
            {"--step", &BatchOptions::step},     {"--iges", &BatchOptions::iges},
            {"--stl", &BatchOptions::stl},
            {"--gf1", &BatchOptions::gf1},       {"--svg", &BatchOptions::svg},
            {"--svg-3d", &BatchOptions::svg3d},  {"--json", &BatchOptions::json},
            {"--apply", &BatchOptions::apply},   {"--offsets", &BatchOptions::offsets},
            {"--curve", &BatchOptions::curve}};
        options_.*(files.at(option)) = *value;
        return true;
    }

    bool Method(const std::string& name)
    {
        if (name == "classic") options_.method = GeneratorMethod::Classic;
        else if (name == "robust") options_.method = GeneratorMethod::Robust;
        else return Error("--method is classic or robust, not '" + name + "'");
        return true;
    }

    bool Vcg(const std::string& text)
    {
        const auto vcg = ParseReal(Trim(text));
        if (!vcg || !std::isfinite(static_cast<double>(*vcg)))
            return Error("--vcg needs the height of G above the base line in metres, not '" + text + "'");
        options_.vcg = static_cast<double>(*vcg);
        return true;
    }

    bool Angles(const std::string& text)
    {
        std::vector<double> angles;
        std::size_t start = 0;
        for (;;) {
            const std::size_t comma = text.find(',', start);
            const auto angle = ParseReal(Trim(text.substr(start, comma - start)));
            if (!angle || !(*angle >= -180 && *angle <= 180))
                return Error("--angles needs heel angles in degrees from -180 to 180, separated by commas, not '" +
                             text + "'");
            angles.push_back(static_cast<double>(*angle));
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
        options_.angles = angles;
        return true;
    }

    bool CurveUnit(const std::string& name)
    {
        static const std::map<std::string, SpeedUnit> units = {
            {"fn", SpeedUnit::FroudeNumber}, {"knots", SpeedUnit::Knots}, {"ms", SpeedUnit::MetresPerSecond}};
        const auto unit = units.find(name);
        if (unit == units.end()) return Error("--unit is fn, knots or ms, not '" + name + "'");
        options_.curveUnit = unit->second;
        curveRangeGiven_ = true;
        return true;
    }

    bool CurveBound(const std::string& option, const std::string& text, std::optional<long double>& bound)
    {
        bound = ParseReal(Trim(text));
        if (!bound) return Error(option + " needs a number, not '" + text + "'");
        curveRangeGiven_ = true;
        return true;
    }

    bool OffsetsLevels(const std::string& text)
    {
        const ParsedOffsetLevels parsed = ParseOffsetLevels(text);
        if (!parsed.Levels) return Error(parsed.Error);
        options_.offsetLevels = *parsed.Levels;
        levelsGiven_ = true;
        return true;
    }

    bool StlTolerance(const std::string& text)
    {
        // Finer than a hundredth of a millimetre the mesh runs to millions of triangles.
        constexpr long double kFinest = 0.01L, kCoarsest = 100;
        const auto millimetres = ParseReal(Trim(text));
        if (!millimetres || *millimetres < kFinest || *millimetres > kCoarsest)
            return Error("--stl-tolerance is a chord deviation from 0.01 to 100 mm, not '" + text + "'");
        options_.stlToleranceMm = *millimetres;
        return true;
    }

    bool Scale(const std::string& text)
    {
        constexpr long kSmallestScale = 1000;  // 1:1000
        const auto denominator = text.rfind("1:", 0) == 0 ? ParseInteger(text.substr(2)) : std::nullopt;
        if (!denominator || *denominator < 1 || *denominator > kSmallestScale)
            return Error("--scale is 1:N with N from 1 to 1000, not '" + text + "'");
        options_.scale = static_cast<int>(*denominator);
        return true;
    }

    bool Goals(const std::string& text)
    {
        long double values[3];
        std::size_t start = 0;
        for (int i = 0; i < 3; ++i) {
            const std::size_t comma = text.find(',', start);
            if ((i < 2) == (comma == std::string::npos))
                return Error("--goals needs three numbers: DIM,PCT,COEF");
            const auto value = ParseReal(text.substr(start, comma - start));
            // A goal is held as a 6-byte real: one too small for it would be 0.
            if (!value || Round48(*value) <= 0)
                return Error("--goals needs three positive numbers: DIM,PCT,COEF");
            values[i] = *value;
            start = comma + 1;
        }
        options_.goals = {values[0], values[1], values[2]};
        return true;
    }

    const std::vector<std::string>& args_;
    std::size_t index_ = 0;
    BatchOptions options_;
    bool levelsGiven_ = false;
    bool curveRangeGiven_ = false;
    std::string error_;
};

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    return Parser(arguments).Parse();
}

}  // namespace sloopform::batch
