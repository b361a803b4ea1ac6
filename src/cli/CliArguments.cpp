#include "cli/CliArguments.h"

#include "core/texts/ProgramInfo.h"

#include <array>
#include <charconv>
#include <optional>
#include <string_view>

namespace zarvex1 {

namespace {

// The options a command takes.
enum Accepts : unsigned {
    Port = 1u << 0,
    Output = 1u << 1,
    Bike = 1u << 2,
    PageOption = 1u << 3,
    Frames = 1u << 4,
    Json = 1u << 5,
    Input = 1u << 6,  // one positional file name
    Input2 = 1u << 7, // a second one
    Csv = 1u << 8,
};

struct CommandInfo {
    std::string_view name;
    CliCommand command;
    unsigned accepts;
    unsigned required;
};

constexpr std::array<CommandInfo, 9> Commands = {{
    {"new", CliCommand::New, Bike | Output, Output},
    {"normalize", CliCommand::Normalize, Input | PageOption | Output, Input | Output},
    {"read", CliCommand::Read, Port | Output, Port | Output},
    {"program", CliCommand::Program, Port | Input, Port | Input},
    {"verify", CliCommand::Verify, Port | Input, Port | Input},
    {"info", CliCommand::Info, Port, Port},
    {"monitor", CliCommand::Monitor, Port | Frames | Json | Csv, Port},
    {"diff", CliCommand::Diff, Input | Input2 | Json, Input | Input2},
    {"history", CliCommand::History, Json, 0},
}};

std::optional<int> ParseInt(std::string_view text, int lo, int hi) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < lo || value > hi)
        return std::nullopt;
    return value;
}

ParsedArguments Fail(std::string error) {
    ParsedArguments parsed;
    parsed.error = std::move(error);
    return parsed;
}

std::string MissingText(unsigned missing) {
    if (missing & Port)
        return "--port DEVICE is missing";
    if (missing & Input)
        return "the input file is missing";
    if (missing & Input2)
        return "the second file is missing";
    return "-o OUT.ign is missing";
}

} // namespace

ParsedArguments ParseCliArguments(const std::vector<std::string> &args) {
    switch (FindInfoRequest(args)) {
    case InfoRequest::Help:
        return {true, CliOptions{}, {}};
    case InfoRequest::Version: {
        ParsedArguments version{true, CliOptions{}, {}};
        version.options.command = CliCommand::Version;
        return version;
    }
    case InfoRequest::None:
        break;
    }
    if (args.empty())
        return Fail("no command given");

    const CommandInfo *info = nullptr;
    for (const CommandInfo &c : Commands)
        if (c.name == args[0])
            info = &c;
    if (info == nullptr)
        return Fail("unknown command " + args[0]);

    ParsedArguments parsed;
    CliOptions &o = parsed.options;
    o.command = info->command;
    unsigned seen = 0;
    bool positionalOnly = false;
    const std::string command(info->name);

    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string arg = args[i];
        if (!positionalOnly && arg == "--") {
            positionalOnly = true;
            continue;
        }
        if (positionalOnly || arg.empty() || arg[0] != '-' || arg == "-") {
            if ((info->accepts & Input) && !(seen & Input)) {
                o.input = arg;
                seen |= Input;
            } else if ((info->accepts & Input2) && !(seen & Input2)) {
                o.input2 = arg;
                seen |= Input2;
            } else {
                return Fail(command + ": unexpected argument " + arg);
            }
            continue;
        }

        // --name=value or --name value
        std::optional<std::string> inlineValue;
        if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = arg.substr(eq + 1);
            arg.resize(eq);
        }
        unsigned option = 0;
        if (arg == "--port")
            option = Port;
        else if (arg == "-o" || arg == "--output")
            option = Output;
        else if (arg == "--bike")
            option = Bike;
        else if (arg == "--page")
            option = PageOption;
        else if (arg == "--frames")
            option = Frames;
        else if (arg == "--json")
            option = Json;
        else if (arg == "--csv")
            option = Csv;
        if (option == 0 || !(info->accepts & option))
            return Fail(command + ": unknown option " + arg);
        if (seen & option)
            return Fail(command + ": " + arg + " given twice");
        seen |= option;

        if (option == Json || option == Csv) {
            if (inlineValue)
                return Fail(command + ": " + arg + " takes no value");
            if (seen & Json && seen & Csv)
                return Fail(command + ": --json and --csv exclude each other");
            (option == Json ? o.json : o.csv) = true;
            continue;
        }
        std::string value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return Fail(command + ": " + arg + " needs a value");
        }
        if (value.empty())
            return Fail(command + ": " + arg + " needs a value");

        switch (option) {
        case Port:
            o.port = value;
            break;
        case Output:
            o.output = value;
            break;
        case Bike:
            if (const auto v = ParseInt(value, 0, 6))
                o.bike = *v;
            else
                return Fail(command + ": --bike takes a motorbike type 0..6, not " + value);
            break;
        case PageOption:
            if (const auto v = ParseInt(value, 0, Page::Count - 1))
                o.page = *v;
            else
                return Fail(command + ": --page takes a page 0..8, not " + value);
            break;
        case Frames:
            if (const auto v = ParseInt(value, 1, 1'000'000'000))
                o.frames = *v;
            else
                return Fail(command + ": --frames takes a number of frames of at least 1, not " + value);
            break;
        default:
            break;
        }
    }

    if (const unsigned missing = info->required & ~seen)
        return Fail(command + ": " + MissingText(missing));
    parsed.ok = true;
    return parsed;
}

std::string CliUsage() {
    return "Usage: zarvex1-cli COMMAND [options]\n"
           "Reads, programs and verifies a ZARVEX1 ignition unit and keeps its parameter sets in *.ign\n"
           "files, without the window of ZARVEX1 Studio.\n"
           "\n"
           "Commands:\n"
           "  new [--bike CODE] -o OUT.ign          the parameter set of a first start for motorbike\n"
           "                                        type CODE 0..6 (default 0)\n"
           "  normalize IN.ign [--page N] -o OUT.ign open IN as ZARVEX1 Studio does (all pages, or page\n"
           "                                        N 0..8), keep it in range and save it as OUT\n"
           "  read --port DEVICE -o OUT.ign         read the unit (with its verify) into OUT\n"
           "  program --port DEVICE IN.ign          program IN into the unit, verify it and wait\n"
           "                                        until the unit has saved it\n"
           "  verify --port DEVICE IN.ign           compare the unit with IN; when they differ, name the\n"
           "                                        block where the verify stopped, its bytes and each\n"
           "                                        of its values that differs (IN -> unit), or the\n"
           "                                        block the unit did not answer (so do the verifies\n"
           "                                        that end read and program)\n"
           "  info --port DEVICE                    program name, build date, build time and protocol\n"
           "                                        version of the unit\n"
           "  monitor --port DEVICE [--frames N] [--json | --csv]\n"
           "                                        print the unit's live values, one line a frame\n"
           "                                        (--json: one JSON object a line with the time;\n"
           "                                        --csv: the live-value log); without --frames\n"
           "                                        until Ctrl+C\n"
           "  diff A.ign B.ign [--json]             the values that differ between A and B, by page,\n"
           "                                        both in display units; for a map its cells\n"
           "  history [--json]                      the restore points of ZARVEX1 Studio, newest first\n"
           "\n"
           "DEVICE is the serial port of the unit, for example /dev/ttyUSB0 or COM3.\n"
           "Messages go to standard error, results to standard output.\n"
           "\n"
           "Options:\n"
           "  --help                                show this text and exit\n"
           "  --version                             show the version and exit\n"
           "\n"
           "Exit status: 0 success; 1 the transfer failed (diff: the sets differ); 2 usage error, or a\n"
           "file that cannot be opened, written or is rejected; 3 the unit speaks another protocol\n"
           "version.\n";
}

} // namespace zarvex1
