#include "FileCommands.h"

#include "ExitCodes.h"
#include "ParameterSets.h"

namespace zarvex1 {

int RunNew(const CliOptions &options, std::ostream &err) {
    CliSession cli(err, options.bike);
    return cli.Save(options.output) ? ExitCode::Success : ExitCode::UsageOrFile;
}

int RunNormalize(const CliOptions &options, std::ostream &err) {
    CliSession cli(err);
    if (!cli.Open(options.input, options.page) || !cli.Save(options.output))
        return ExitCode::UsageOrFile;
    return ExitCode::Success;
}

} // namespace zarvex1
