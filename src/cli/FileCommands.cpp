#include "cli/FileCommands.h"

#include "core/files/ParameterFileLayout.h"
#include "core/pages/OfferedValues.h"

#include "cli/ExitCodes.h"
#include "cli/ParameterSets.h"

namespace zarvex1 {

int RunNew(const CliOptions &options, std::ostream &err) {
    CliSession cli(err, options.bike);
    return cli.Save(options.output) ? ExitCode::Success : ExitCode::UsageOrFile;
}

namespace {

// The key word that carries a byte of the image in a parameter file.
std::string_view KeyWordOf(int position) {
    for (const KeyWordLayout &k : ParameterFileLayout())
        for (const auto &line : k.lines)
            for (const FileField &f : line)
                if (f.kind != FieldKind::Word && f.address == position)
                    return k.keyWord;
    return "?";
}

} // namespace

int RunNormalize(const CliOptions &options, std::ostream &err) {
    CliSession cli(err);
    if (!cli.Open(options.input, options.page))
        return ExitCode::UsageOrFile;
    // Kept as they are, as the window keeps them, but said: a page would show no choice for them.
    for (const UnofferedValue &v : ValuesNoPageOffers(cli.session().image()))
        err << KeyWordOf(v.position) << ' ' << v.value << ": no page offers this value (" << v.control
            << "); kept as it is\n";
    if (!cli.Save(options.output))
        return ExitCode::UsageOrFile;
    return ExitCode::Success;
}

} // namespace zarvex1
