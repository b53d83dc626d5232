// The file system, as far as the models look at it.
#pragma once

#include <string>

namespace talvane::platform {

class Files {
public:
    virtual ~Files() = default;

    // A file (not a folder) of that name exists.
    virtual bool FileExists(const std::string& path) = 0;
};

}  // namespace talvane::platform
