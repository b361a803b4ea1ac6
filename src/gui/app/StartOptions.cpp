#include "gui/app/StartOptions.h"

#include "core/texts/BuildInfo.h"

#include <system_error>

namespace zarvex1 {

namespace {

bool StartsWith(const std::string &text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::filesystem::path Absolute(const std::string &bytes) {
    const std::filesystem::path path(bytes); // the system's bytes, whatever their encoding
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal();
}

} // namespace

StartOptions StartOptions::Parse(const std::vector<std::string> &arguments,
                                 const QString &portFromEnvironment) {
    StartOptions options;
    options.portDevice = portFromEnvironment;
    // Only the very first argument may name the language; a file to open may stand first or follow it.
    std::size_t i = 0;
    if (!arguments.empty() && (options.language = LanguageFromArgument(arguments.front())))
        i = 1;
    bool filesOnly = false;
    for (; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        const bool option = !filesOnly && argument.size() > 1 && argument[0] == '-';
        if (!option) {
            if (options.parameterFile.empty())
                options.parameterFile = Absolute(argument);
            else
                options.ignoredFiles.push_back(argument);
        } else if (argument == "--")
            filesOnly = true;
        else if (argument == "--port" && i + 1 < arguments.size()) {
            options.portDevice = QString::fromLocal8Bit(arguments[++i]);
            options.portNamed = true;
        } else if (StartsWith(argument, "--port=")) {
            options.portDevice = QString::fromLocal8Bit(argument.substr(7));
            options.portNamed = true;
        } else if (argument == "--simulate")
            options.simulate = true;
        else if (StartsWith(argument, "--simulate=")) {
            options.simulate = true;
            options.simulatedEngine = QString::fromLocal8Bit(argument.substr(11));
        } else if (argument == "--new-instance")
            options.newInstance = true;
        else
            options.unknownOptions.push_back(argument);
    }
    return options;
}

StartOptions StartOptions::Parse(const QStringList &arguments, const QString &portFromEnvironment) {
    std::vector<std::string> bytes;
    for (const QString &argument : arguments)
        bytes.push_back(argument.toLocal8Bit().toStdString());
    return Parse(bytes, portFromEnvironment);
}

std::vector<std::string> StartOptions::Warnings() const {
    std::vector<std::string> lines;
    for (const std::string &option : unknownOptions)
        lines.push_back("unknown option " + option + " (ignored; a file name that begins with - follows --)");
    for (const std::string &file : ignoredFiles)
        lines.push_back("one file opens at a time: " + file + " is not opened");
    return lines;
}

} // namespace zarvex1
