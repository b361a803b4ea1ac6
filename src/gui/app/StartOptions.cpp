#include "app/StartOptions.h"

#include "app/BuildInfo.h"

namespace zarvex1 {

StartOptions StartOptions::Parse(const QStringList &arguments, const QString &portFromEnvironment) {
    StartOptions options;
    options.portDevice = portFromEnvironment;
    // Only the very first argument may name the language; anything else there is ignored.
    if (!arguments.isEmpty())
        options.language = LanguageFromArgument(arguments.first().toStdString());
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--port") && i + 1 < arguments.size())
            options.portDevice = arguments[++i];
        else if (arguments[i].startsWith(QLatin1String("--port=")))
            options.portDevice = arguments[i].mid(7);
        else if (arguments[i] == QLatin1String("--simulate"))
            options.simulate = true;
        else if (arguments[i].startsWith(QLatin1String("--simulate="))) {
            options.simulate = true;
            options.simulatedEngine = arguments[i].mid(11);
        }
    }
    return options;
}

} // namespace zarvex1
