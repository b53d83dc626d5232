#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/freeing_history.h"
#include "engine/hotkey_code.h"
#include "engine/tray_texts.h"

namespace talvane::engine {
namespace {

TEST(EngineTextsTest, FreedFigureIsWhatAvailableMemoryGained) {
    EXPECT_EQ(FreedMB(100, 150), 50u);
    EXPECT_EQ(FreedMB(100, 100), 0u);
    EXPECT_EQ(FreedMB(150, 100), 0u) << "others took memory meanwhile";
    EXPECT_EQ(FreedMB(0, 0xFFFFFFFFu), 0xFFFFFFFFu);
    EXPECT_EQ(FreedMB(0xFFFFFFFFu, 0), 0u);
}

TEST(EngineTextsTest, HotkeyCodesFromStoredCharacters) {
    const struct {
        char stored;
        std::uint32_t code;
    } cases[] = {{'r', 'R'}, {'R', 'R'}, {'z', 'Z'}, {'7', '7'}, {0, 0}, {' ', 0}, {'-', 0}, {'\xE9', 0}, {'\xC9', 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(HotkeyCode(c.stored), c.code) << static_cast<int>(c.stored);
    }
}

TEST(EngineTextsTest, TrayFigureFitsTheIcon) {
    const TrayReadings nt{42, 0, std::nullopt};
    const struct {
        std::int32_t info;
        TrayReadings readings;
        const char* figure;
    } cases[] = {
        {0, nt, "42"},
        {0, {130, 0, {}}, "100"},
        {0, {}, ""},
        {1, {{}, 999, {}}, "999"},
        {1, {{}, 1000, {}}, "1G"},
        {1, {{}, 2560, {}}, "3G"},
        {1, {{}, 0xFFFFFFFFu, {}}, "99G"},
        {2, {{}, 0, 7}, "7"},
        {2, nt, ""},
        {-1, nt, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrayFigure(c.info, c.readings), c.figure) << c.info << " " << c.readings.availMB;
    }
}

TEST(EngineTextsTest, HistoryKeepsTheLast500LinesEndedByCrlf) {
    EXPECT_EQ(HistoryLine({2024, 3, 9, 7, 5, 0}, Trigger::BelowMinimum, 80, 260),
              "2024-03-09 07:05:00\tminimum\t80\t260\t180");

    const struct {
        std::string file;
        std::string expected;
    } cases[] = {
        {"", "new\r\n"},
        {"a", "a\r\nnew\r\n"},
        {"a\r\nb\r\n", "a\r\nb\r\nnew\r\n"},
        {"a\nb\n\n", "a\r\nb\r\nnew\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AppendHistoryLine(c.file, "new"), c.expected) << c.file;
    }

    std::string file;
    for (int i = 0; i < 600; ++i) {
        file += std::to_string(i) + "\r\n";
    }
    const std::string text = AppendHistoryLine(file, "new");
    EXPECT_EQ(text.rfind("101\r\n", 0), 0u) << "the oldest 101 lines went";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 500);
    EXPECT_EQ(text.substr(text.size() - 10), "599\r\nnew\r\n");
}

}  // namespace
}  // namespace talvane::engine
