// The program's command line, run as a player runs it and without any display: --help and --version answer
// without opening a window, a command line it cannot take is refused, and everything else starts the game
// (which, with no display to be had, ends at once saying so).
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum class Outcome { Play, Help, Version, Refused };

struct CommandLineCase {
    const char* name;
    std::vector<const char*> arguments;
    Outcome outcome;
    const char* complaint = ""; // the first line on standard error when refused
    const char* platformVariable = nullptr; // QT_QPA_PLATFORM, or null for none
};

const CommandLineCase CommandLineCases[] = {
    {"NoArgument", {}, Outcome::Play},
    {"Help", {"--help"}, Outcome::Help},
    {"ShortHelp", {"-h"}, Outcome::Help},
    {"HelpBeforeVersion", {"--version", "--help"}, Outcome::Help},
    {"Version", {"--version"}, Outcome::Version},
    {"UnknownLongOption", {"--fleet"}, Outcome::Refused, "corvane: unknown option '--fleet'"},
    {"UnknownShortOption", {"-v"}, Outcome::Refused, "corvane: unknown option '-v'"},
    {"HelpWithValue", {"--help=all"}, Outcome::Refused, "corvane: unknown option '--help=all'"},
    {"UnknownOptionAfterHelp", {"--help", "--fleet"}, Outcome::Refused, "corvane: unknown option '--fleet'"},
    {"Argument", {"game.txt"}, Outcome::Refused, "corvane: unexpected argument 'game.txt'"},
    {"LoneDash", {"-"}, Outcome::Refused, "corvane: unexpected argument '-'"},
    {"EmptyArgument", {""}, Outcome::Refused, "corvane: unexpected argument ''"},
    // The complaint stays one line, whatever was typed.
    {"ArgumentWithALineBreak", {"two\nlines"}, Outcome::Refused, "corvane: unexpected argument 'two\\nlines'"},
    {"OptionWithAControlCharacter", {"--\x1b[2J"}, Outcome::Refused, "corvane: unknown option '--\\x1b[2J'"},
    {"ToolkitOptionWithoutItsValue", {"-display"}, Outcome::Refused, "corvane: option '-display' needs a value"},
    {"SessionRestart", {"-session", "1a2b3c"}, Outcome::Play},
    {"ToolkitOptionWithTwoDashes", {"--style", "fusion"}, Outcome::Play},
    {"ToolkitFlag", {"-reverse"}, Outcome::Play},
    {"ToolkitValueIsNotAnArgument", {"-platform", "offscreen", "--version"}, Outcome::Version},
    // The toolkit takes the command line's platform over the environment's, and so must the program's own
    // look for a display: the toolkit would abort on an X platform with no X display.
    {"PlatformOverTheEnvironments", {"-platform", "xcb"}, Outcome::Play, "", "offscreen"},
    {"DisplayThatDoesNotAnswer", {"-display", ":31999"}, Outcome::Play},
};

struct ProgramRun {
    int exitCode = -1;
    QString output;
    QString errors;
};

ProgramRun RunProgram(const std::vector<const char*>& arguments, const char* platformVariable = nullptr,
                      const char* language = "en")
{
    QTemporaryDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANGUAGE", language);
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    if (platformVariable)
        environment.insert("QT_QPA_PLATFORM", platformVariable);
    environment.insert("XDG_CONFIG_HOME", config.path());
    QStringList list;
    for (const char* argument : arguments)
        list << QString::fromUtf8(argument);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(CORVANE_PROGRAM, list);
    ProgramRun run;
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.exitCode = program.exitCode();
    run.output = QString::fromUtf8(program.readAllStandardOutput());
    run.errors = QString::fromUtf8(program.readAllStandardError());
    return run;
}

class ProgramCommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(ProgramCommandLine, AnswersAsAPlayerExpects)
{
    const CommandLineCase& given = GetParam();
    const ProgramRun usage = RunProgram({"--help"});
    ASSERT_TRUE(usage.output.startsWith("Usage: corvane ")) << usage.output.toStdString();

    const ProgramRun run = RunProgram(given.arguments, given.platformVariable);

    switch (given.outcome) {
    case Outcome::Play:
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.output, "");
        EXPECT_EQ(run.errors, "corvane: no display found; start it from a graphical desktop session.\n");
        break;
    case Outcome::Help:
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output, usage.output);
        EXPECT_EQ(run.errors, "");
        break;
    case Outcome::Version:
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output.section('\n', 0, 0), "Corvane " CORVANE_VERSION);
        EXPECT_TRUE(run.output.contains("MIT licence")) << run.output.toStdString();
        EXPECT_EQ(run.errors, "");
        break;
    case Outcome::Refused:
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.output, "");
        EXPECT_EQ(run.errors, given.complaint + QString('\n') + usage.output);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Arguments, ProgramCommandLine, ::testing::ValuesIn(CommandLineCases),
                         [](const auto& info) { return std::string(info.param.name); });

// What the program says without a window, it says in the desktop's language too.
TEST(ProgramCommandLine, SpeaksTheDesktopsLanguage)
{
    const ProgramRun usage = RunProgram({"--help"}, nullptr, "de");
    EXPECT_EQ(usage.exitCode, 0);
    EXPECT_TRUE(usage.output.startsWith("Aufruf: corvane [--help | --version]\n")) << usage.output.toStdString();
    EXPECT_TRUE(usage.output.contains("  -h, --help     diesen Text zeigen und beenden\n"));

    const ProgramRun refused = RunProgram({"--fleet"}, nullptr, "de");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.errors, "corvane: unbekannte Option '--fleet'\n" + usage.output);

    const ProgramRun version = RunProgram({"--version"}, nullptr, "ja:de");
    EXPECT_EQ(version.output.section('\n', 0, 0), "Corvane " CORVANE_VERSION);
    EXPECT_TRUE(version.output.contains(QString::fromUtf8("MIT ライセンスのフリーソフトウェアです。"))) << version.output.toStdString();

    const ProgramRun noDisplay = RunProgram({}, nullptr, "ar");
    EXPECT_EQ(noDisplay.exitCode, 1);
    EXPECT_TRUE(noDisplay.errors.startsWith(QString::fromUtf8("corvane: لم يُعثر على شاشة عرض"))) << noDisplay.errors.toStdString();
}

// A text that cannot be written is a failure, not a success: the player would see nothing.
TEST(ProgramCommandLine, AnOutputThatCannotBeWrittenFails)
{
    QFile full("/dev/full");
    ASSERT_TRUE(full.exists());
    QProcess program;
    program.setStandardOutputFile(full.fileName());
    program.start(CORVANE_PROGRAM, {"--version"});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(program.readAllStandardError().startsWith("corvane: cannot write the text: "));
}

} // namespace
