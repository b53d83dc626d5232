// Every visible text of the windows, addressed by row number.
#pragma once

#include <iterator>
#include <string>
#include <vector>

namespace talvane {

class TextTable {
public:
    static constexpr int kRowCount = 225;

    // A number outside the table gives the empty text.
    static const char* Row(int row);
    static std::string Text(int row) { return Row(row); }
    // The texts of several rows, in their order: the items of a list.
    template <typename RowNumbers>
    static std::vector<std::string> Texts(const RowNumbers& rows) {
        std::vector<std::string> texts;
        texts.reserve(std::size(rows));
        for (const int row : rows) {
            texts.emplace_back(Row(row));
        }
        return texts;
    }
};

}  // namespace talvane
