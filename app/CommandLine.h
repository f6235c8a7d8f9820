// What the command line asks of the program, read before anything needs a display.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CommandLine {
public:
    enum class Request { Play, ShowHelp, ShowVersion, Refuse };

    // arguments are those after the program's name. An argument the program does not know is refused,
    // except the toolkit's own options (-display NAME, -platform NAME, -session ID, ...), which are left
    // in place for the toolkit; --help comes before --version when both are given.
    explicit CommandLine(const std::vector<std::string>& arguments);

    Request What() const { return request; }
    // Why a refused command line is refused, in one line without the program's name, in the language the
    // program speaks.
    std::string Complaint() const;
    // The value given to one of the toolkit's options that take one (the last, if given more than once),
    // or an empty text; name is without dashes ("display", "platform").
    std::string ToolkitValue(std::string_view name) const;

    // The texts the program prints, in the language the program speaks: the usage (also after a complaint)
    // and the version, each ending in a line break.
    static std::string Usage();
    static std::string Version();

private:
    // why names the argument as %1.
    void Refuse(const char* why, std::string_view argument);

    Request request = Request::Play;
    const char* complaint = nullptr;
    std::string complainedOf;
    std::vector<std::pair<std::string, std::string>> toolkitValues;
};
