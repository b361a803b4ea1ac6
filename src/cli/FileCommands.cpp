#include "FileCommands.h"

#include "ExitCodes.h"
#include "ParameterSets.h"

namespace zarvex1 {

int RunNew(const CliOptions &options, const MessageTexts &texts, std::ostream &err) {
    if (!SaveParameterSet(NewParameterSet(options.bike), options.output, texts, err))
        return ExitCode::UsageOrFile;
    return ExitCode::Success;
}

int RunNormalize(const CliOptions &options, const MessageTexts &texts, std::ostream &err) {
    const OpenedSet set = OpenParameterSet(options.input, options.page, texts, err);
    if (!set.loaded)
        return ExitCode::UsageOrFile;
    if (!SaveParameterSet(set.image, options.output, texts, err))
        return ExitCode::UsageOrFile;
    return ExitCode::Success;
}

} // namespace zarvex1
