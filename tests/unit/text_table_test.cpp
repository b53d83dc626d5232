#include "base/text_table.h"

#include <gtest/gtest.h>

#include <string>

namespace talvane {
namespace {

// The rows whose exact bytes are easiest to lose: runs of blanks, doubled quotes, trailing spaces.
TEST(TextTableTest, KeepsTheOddRowsExactly) {
    EXPECT_EQ(TextTable::Text(0), "RAM Optimizer");
    EXPECT_EQ(TextTable::Text(5), "Target free RAM:    ");
    EXPECT_EQ(TextTable::Text(15),
              "Free up" + std::string(19, ' ') + "MB of RAM on startup after" + std::string(17, ' ') + "seconds");
    EXPECT_EQ(TextTable::Text(31), "Display" + std::string(47, ' ') + "in tray icon");
    EXPECT_EQ(TextTable::Text(57), "Free up RAM hot key : Cltr + Alt +");
    EXPECT_EQ(TextTable::Text(74), "Microsoft Waveform Audio (*.WAV)|*.wav");
    EXPECT_EQ(TextTable::Text(155), "OK ");
    EXPECT_EQ(TextTable::Text(221), "It''s possible the system becames instable or out of");
    EXPECT_EQ(TextTable::Text(224), "All Users Registry");
    for (int row : {202, 203, 204}) {
        EXPECT_EQ(TextTable::Text(row), "") << row;
    }
}

TEST(TextTableTest, RowsOutsideTheTableAreEmpty) {
    EXPECT_EQ(TextTable::Text(-1), "");
    EXPECT_EQ(TextTable::Text(TextTable::kRowCount), "");
    for (int row = 0; row < TextTable::kRowCount; ++row) {
        ASSERT_NE(TextTable::Row(row), nullptr);
        if (row < 202 || row > 204) {
            EXPECT_FALSE(TextTable::Text(row).empty()) << row;
        }
    }
}

}  // namespace
}  // namespace talvane
