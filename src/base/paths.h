// Parts of Windows paths.
#pragma once

#include <string>

namespace talvane {

// The text up to and including its last "\" or ":"; empty when neither occurs.
std::string FolderPartOf(const std::string& path);

}  // namespace talvane
