// What the command line asks of the program, read before anything needs a display.
#include "CommandLine.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <iterator>

namespace {

// The toolkit reads these from the command line itself; the desktop's session manager restarts programs
// with -session, and people choose a display or a platform with the others. Each is written with one dash
// or two, and those that take a value take it as the next argument.
struct ToolkitOption {
    std::string_view name;
    bool takesValue;
};

constexpr ToolkitOption ToolkitOptions[] = {
    {"display", true},    {"platform", true},        {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},     {"session", true},         {"geometry", true},           {"qwindowgeometry", true},
    {"qwindowicon", true}, {"qwindowtitle", true},   {"style", true},              {"stylesheet", true},
    {"reverse", false},   {"nograb", false},         {"dograb", false},            {"sync", false},
    {"widgetcount", false},
};

const ToolkitOption* FindToolkitOption(std::string_view name)
{
    const auto found = std::find_if(std::begin(ToolkitOptions), std::end(ToolkitOptions),
                                    [name](const ToolkitOption& option) { return option.name == name; });
    return found == std::end(ToolkitOptions) ? nullptr : found;
}

// An argument as a complaint shows it: in quotes, its control characters written out, so that the complaint
// stays on one line and shows what was typed.
std::string Quoted(std::string_view argument)
{
    constexpr char Hex[] = "0123456789abcdef";
    std::string quoted = "'";
    for (const char c : argument) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n')
            quoted += "\\n";
        else if (c == '\t')
            quoted += "\\t";
        else if (byte < 0x20 || byte == 0x7f)
            quoted += {'\\', 'x', Hex[byte >> 4], Hex[byte & 0xf]};
        else
            quoted += c;
    }
    return quoted + "'";
}

// The option's name without its one or two leading dashes.
std::string_view OptionName(std::string_view argument)
{
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument;
}

} // namespace

CommandLine::CommandLine(const std::vector<std::string>& arguments)
{
    bool help = false;
    bool version = false;
    for (std::size_t i = 0; i < arguments.size() && request != Request::Refuse; ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h")
            help = true;
        else if (argument == "--version")
            version = true;
        else if (argument.size() < 2 || !argument.starts_with('-'))
            Refuse(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument %1"), argument);
        else if (const ToolkitOption* option = FindToolkitOption(OptionName(argument)); !option)
            Refuse(QT_TRANSLATE_NOOP("CommandLine", "unknown option %1"), argument);
        else if (option->takesValue && ++i == arguments.size())
            Refuse(QT_TRANSLATE_NOOP("CommandLine", "option %1 needs a value"), argument);
        else if (option->takesValue)
            toolkitValues.emplace_back(option->name, arguments[i]);
    }
    if (request != Request::Refuse)
        request = help ? Request::ShowHelp : version ? Request::ShowVersion : Request::Play;
}

std::string CommandLine::ToolkitValue(std::string_view name) const
{
    const auto given = std::find_if(toolkitValues.rbegin(), toolkitValues.rend(),
                                    [name](const auto& value) { return value.first == name; });
    return given == toolkitValues.rend() ? std::string() : given->second;
}

void CommandLine::Refuse(const char* why, std::string_view argument)
{
    request = Request::Refuse;
    complaint = why;
    complainedOf = Quoted(argument);
}

std::string CommandLine::Complaint() const
{
    if (!complaint)
        return {};
    return QCoreApplication::translate("CommandLine", complaint).arg(QString::fromStdString(complainedOf)).toStdString();
}

std::string CommandLine::Usage()
{
    //: Keep the options and the lines no longer than 80 characters; the options' column lines up.
    return QCoreApplication::translate("CommandLine",
                                       "Usage: corvane [--help | --version]\n"
                                       "Find the hidden fleet from the row and column counts: a logic puzzle.\n"
                                       "Without an option, the game window opens.\n"
                                       "\n"
                                       "  -h, --help     show this text and exit\n"
                                       "      --version  show the version and exit\n"
                                       "\n"
                                       "The toolkit's own options, such as -display NAME, -platform NAME and -style NAME,\n"
                                       "are handed on to it. The manual page corvane(6) tells the game's keys and files.\n")
        .toStdString();
}

std::string CommandLine::Version()
{
    return "Corvane " CORVANE_VERSION "\n" CORVANE_COPYRIGHT "\n" +
           QCoreApplication::translate("CommandLine", "Free software under the MIT licence, with no warranty.\n")
               .toStdString();
}
