#include "base/launcher_line.h"

#include <gtest/gtest.h>

#include "base/paths.h"

namespace talvane {
namespace {

TEST(LauncherLineTest, ArgumentsEscapeEverySpaceAndNothingElse) {
    const struct {
        std::uint32_t megabytes;
        int priority;
        const char* path;
        const char* parameters;
        const char* expected;
    } cases[] = {
        {64, 2, "C:\\Program Files\\Editor\\ed.exe", "-a b", "64 2 C:\\Program%80Files\\Editor\\ed.exe -a%80b"},
        {0, 1, "C:\\ed.exe", "", "0 1 C:\\ed.exe "},
        {16, kTypedPriority, "C:\\a  b\\x.exe", "100% \"q\"", "16 -1 C:\\a%80%80b\\x.exe 100%%80\"q\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LauncherArguments(c.megabytes, c.priority, c.path, c.parameters), c.expected);
    }
}

TEST(LauncherLineTest, ParseToleratesBlanksAtTheEndsAndAMissingParameterField) {
    std::string problem;
    const auto request = ParseLauncherLine("  \t 8 0 C:\\My%80Tools\\t.exe", 256, &problem);
    ASSERT_TRUE(request) << problem;
    EXPECT_EQ(request->program, "C:\\My Tools\\t.exe");
    EXPECT_EQ(request->parameters, "");
    ASSERT_TRUE(ParseLauncherLine("256 -1 t.exe -x y  ", 256, &problem)) << "the whole memory may be asked";
}

TEST(LauncherLineTest, MalformedLinesAreRefusedInWords) {
    const struct {
        const char* line;
        const char* problem;
    } cases[] = {
        {"", "are missing"},
        {"   ", "are missing"},
        {"64", "The priority and the program are missing."},
        {"64 1", "The program to start is missing."},
        {"64 1  ", "The program to start is missing."},
        {"abc 1 x.exe", "The amount of memory \"abc\" is not a number."},
        {"6x4 1 x.exe", "is not a number"},
        {"+64 1 x.exe", "is not a number"},
        {"-5 1 x.exe", "The amount of memory \"-5\" is below zero."},
        {"257 1 x.exe", "257 MB, is more than this computer has (256 MB)"},
        {"99999999999999999999999999 1 x.exe", "more than this computer has"},
        {"64 3 x.exe", "The priority \"3\" is none of -1, 0, 1 and 2."},
        {"64 -2 x.exe", "none of -1, 0, 1 and 2"},
        {"64 high x.exe", "none of -1, 0, 1 and 2"},
        {"64 - x.exe", "none of -1, 0, 1 and 2"},
    };
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_FALSE(ParseLauncherLine(c.line, 256, &problem)) << c.line;
        EXPECT_NE(problem.find(c.problem), std::string::npos) << c.line << ": " << problem;
    }
}

TEST(LauncherLineTest, ProgramNameIsSkippedQuotedOrNotAndTheFolderKeepsItsLastSeparator) {
    const struct {
        const char* commandLine;
        const char* arguments;
    } lines[] = {
        {"\"C:\\WINDOWS\\VelkLaunch.exe\" 64 2 x.exe ", "64 2 x.exe "},
        {"C:\\WINDOWS\\VelkLaunch.exe 0 1 x.exe", "0 1 x.exe"},
        {"\"C:\\My Dir\\VelkLaunch.exe\"", ""},
        {"\"C:\\My Dir\\VelkLaunch.exe\"tail 1", "1"},
        {"  VelkLaunch   1 2", "1 2"},
        {"\"C:\\unterminated 1 2", ""},
        {"", ""},
    };
    for (const auto& l : lines) {
        EXPECT_EQ(ArgumentsAfterProgramName(l.commandLine), l.arguments) << l.commandLine;
    }
    EXPECT_EQ(FolderPartOf("C:\\Program Files\\Editor\\ed.exe"), "C:\\Program Files\\Editor\\");
    EXPECT_EQ(FolderPartOf("C:ed.exe"), "C:");
    EXPECT_EQ(FolderPartOf("ed.exe"), "");
}

}  // namespace
}  // namespace talvane
