// The application name and the help file's path, as the program works them out from its executable.
#include "ModuleNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* executable;
    const char* applicationName;
    const char* helpFile;
};

constexpr PathCase PathCases[] = {
    {"/usr/bin/corvane", "corvane", "/usr/bin/corvane.HLP"},
    {"/home/u/.local/bin/corvane", "corvane", "/home/u/.local/bin/corvane.HLP"},
    {"/opt/corvane-1.0/corvane", "corvane", "/opt/corvane-1.0/corvane.HLP"},
    {"/games/CORVANE.EXE", "CORVANE", "/games/CORVANE.HLP"},
    {"/games/corvane.bin", "corvane", "/games/corvane.HLP"},
    {"/a.b/c.d/corvane.old.exe", "corvane.old", "/a.b/c.d/corvane.old.HLP"},
    {"/home/u/.corvane", ".corvane", "/home/u/.corvane.HLP"},
    {"/home/u/corvane.", "corvane", "/home/u/corvane.HLP"},
    {"corvane", "corvane", "corvane.HLP"},
};

class ModuleNamesTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(ModuleNamesTest, NameAndHelpFileComeFromTheFileNameOnly)
{
    const PathCase& c = GetParam();
    EXPECT_EQ(ApplicationNameOf(c.executable).toStdString(), c.applicationName);
    EXPECT_EQ(HelpFileBeside(c.executable).toStdString(), c.helpFile);
}

INSTANTIATE_TEST_SUITE_P(Paths, ModuleNamesTest, ::testing::ValuesIn(PathCases));

// An installed layout: <prefix>/bin/corvane with its help file in <prefix>/share/corvane.
class HelpFileSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(prefix.isValid());
        ASSERT_TRUE(QDir().mkpath(Bin()) && QDir().mkpath(Data()));
    }

    QString Bin() const { return prefix.filePath("bin"); }
    QString Data() const { return prefix.filePath("share/corvane"); }
    QString Executable() const { return Bin() + "/corvane"; }
    QStringList DataDirectories() const { return {Bin() + "/../share/corvane", prefix.filePath("elsewhere")}; }

    static void Touch(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir prefix;
};

TEST_F(HelpFileSearch, PrefersTheFileBesideTheExecutable)
{
    Touch(Bin() + "/corvane.HLP");
    Touch(Data() + "/corvane.HLP");
    EXPECT_EQ(FindHelpFile(Executable(), DataDirectories()), Bin() + "/corvane.HLP");
}

TEST_F(HelpFileSearch, FallsBackOnTheInstalledDataDirectory)
{
    Touch(Data() + "/corvane.HLP");
    EXPECT_EQ(FindHelpFile(Executable(), DataDirectories()), Data() + "/corvane.HLP");
}

TEST_F(HelpFileSearch, WithNoFileAnywhereNamesTheOneBesideTheExecutable)
{
    ASSERT_TRUE(QDir().mkpath(Data() + "/corvane.HLP")) << "a folder of that name is not a help file";
    EXPECT_EQ(FindHelpFile(Executable(), DataDirectories()), Bin() + "/corvane.HLP");
}

} // namespace

namespace {

// The help in the player's language wherever the help is kept, before English anywhere; English where
// the language has none.
struct LanguageCase {
    const char* name;
    std::vector<const char*> files; // relative to the prefix
    const char* language;
    const char* found;
};

const LanguageCase LanguageCases[] = {
    {"BesideInTheLanguage", {"bin/corvane.HLP", "bin/corvane_de.HLP"}, "de", "bin/corvane_de.HLP"},
    {"InstalledInTheLanguage", {"share/corvane/corvane.HLP", "share/corvane/corvane_ja.HLP"}, "ja",
     "share/corvane/corvane_ja.HLP"},
    {"LanguageBeforeEnglishBeside", {"bin/corvane.HLP", "share/corvane/corvane_ar.HLP"}, "ar",
     "share/corvane/corvane_ar.HLP"},
    {"EnglishWhereTheLanguageHasNone", {"share/corvane/corvane.HLP", "share/corvane/corvane_de.HLP"}, "fr",
     "share/corvane/corvane.HLP"},
    {"EnglishSpoken", {"bin/corvane.HLP", "bin/corvane_de.HLP"}, "", "bin/corvane.HLP"},
};

class HelpFileInLanguage : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(HelpFileInLanguage, IsFoundBeforeTheEnglishOne)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("bin")) && QDir().mkpath(prefix.filePath("share/corvane")));
    for (const char* name : GetParam().files) {
        QFile file(prefix.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(FindHelpFile(prefix.filePath("bin/corvane"), {prefix.filePath("bin/../share/corvane")}, GetParam().language),
              prefix.filePath(GetParam().found));
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpFileInLanguage, ::testing::ValuesIn(LanguageCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
