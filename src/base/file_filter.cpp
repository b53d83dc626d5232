#include "base/file_filter.h"

#include <algorithm>

namespace talvane {

std::string FileDialogFilter(const std::string& piped) {
    std::string filter = piped;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

}  // namespace talvane
