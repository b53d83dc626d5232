// Every visible text of the windows, addressed by row number.
#pragma once

#include <string>

namespace talvane {

class TextTable {
public:
    static constexpr int kRowCount = 225;

    // A number outside the table gives the empty text.
    static const char* Row(int row);
    static std::string Text(int row) { return Row(row); }
};

}  // namespace talvane
