#include "core/texts/ProgramInfo.h"

#include "Version.h"

namespace zarvex1 {

InfoRequest FindInfoRequest(const std::vector<std::string> &args) {
    for (const std::string &arg : args) {
        if (arg == "--")
            break;
        if (arg == "--help" || arg == "-h")
            return InfoRequest::Help;
        if (arg == "--version")
            return InfoRequest::Version;
    }
    return InfoRequest::None;
}

std::string ProgramVersionText(std::string_view program) {
    return std::string(program) + " " + ProgramVersion +
           "\n"
           "Copyright (C) 2026 ZARVEX1 Studio\n"
           "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

std::string TryHelpLine(std::string_view program) {
    return "Try '" + std::string(program) + " --help' for more information.\n";
}

std::string WindowUsage() {
    return "Usage: zarvex1 [LANGUAGE] [options] [FILE.ign]\n"
           "ZARVEX1 Studio reads, edits, programs and verifies the parameter set of a ZARVEX1\n"
           "ignition unit over a serial cable, keeps parameter sets in *.ign files and shows the\n"
           "engine's live values.\n"
           "\n"
           "Arguments:\n"
           "  ENGLISH, DEUTSCH, CESKY  the language of the window, as the first argument (exact case)\n"
           "  FILE.ign                 a parameter file, opened as Open opens it once the window is up\n"
           "  --port DEVICE            the serial port of the unit, for example /dev/ttyUSB0 or COM3;\n"
           "                           every open uses it (also --port=DEVICE)\n"
           "  --simulate[=MODE]        run a simulated unit inside the program; MODE is cycle (the\n"
           "                           default: 5 s standing, then a run through the gears), running\n"
           "                           or stopped\n"
           "  --new-instance           open a window of its own instead of handing FILE.ign to a\n"
           "                           window that is already running\n"
           "  --                       what follows is a file name, even when it starts with -\n"
           "  --help                   show this text and exit\n"
           "  --version                show the version and exit\n"
           "\n"
           "Environment:\n"
           "  ZARVEX1_PORT             the serial port to use when --port is not given\n"
           "  ZARVEX1_SETTINGS_DIR     the folder of application.ini and default.ini instead of\n"
           "                           ~/.local/share/Morvanel/ZARVEX1/99\n"
           "\n"
           "The user guide opens with Help > Contents (F1).\n";
}

} // namespace zarvex1
