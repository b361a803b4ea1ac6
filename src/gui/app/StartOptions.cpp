#include "app/StartOptions.h"

#include "app/BuildInfo.h"

#include <QFileInfo>

namespace zarvex1 {

namespace {

bool IsLanguageWord(const QString &argument) {
    for (const char *word : {"ENGLISH", "DEUTSCH", "CESKY"})
        if (argument.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

StartOptions StartOptions::Parse(const QStringList &arguments, const QString &portFromEnvironment) {
    StartOptions options;
    options.portDevice = portFromEnvironment;
    // Only the very first argument may name the language; a file to open may stand first or follow it.
    if (!arguments.isEmpty())
        options.language = LanguageFromArgument(arguments.first().toStdString());
    for (int i = options.language ? 1 : 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--port") && i + 1 < arguments.size())
            options.portDevice = arguments[++i];
        else if (argument.startsWith(QLatin1String("--port=")))
            options.portDevice = argument.mid(7);
        else if (argument == QLatin1String("--simulate"))
            options.simulate = true;
        else if (argument.startsWith(QLatin1String("--simulate="))) {
            options.simulate = true;
            options.simulatedEngine = argument.mid(11);
        } else if (argument.startsWith(QLatin1Char('-')) || IsLanguageWord(argument))
            continue; // an option of Qt's, or a language word in the wrong place or case: not a file
        else if (options.parameterFile.isEmpty())
            options.parameterFile = QFileInfo(argument).absoluteFilePath();
    }
    return options;
}

} // namespace zarvex1
