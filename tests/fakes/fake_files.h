// Files that exist, for models that only ask whether they do.
#pragma once

#include <set>
#include <string>

#include "platform/files.h"

namespace talvane::fakes {

class FakeFiles : public platform::Files {
public:
    // Full paths; compared without regard to case, as in Windows.
    void AddFile(const std::string& path);

    bool FileExists(const std::string& path) override;

private:
    std::set<std::string> files_;
};

}  // namespace talvane::fakes
