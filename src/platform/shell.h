// Shell services: special folders and ShellExecute.
#pragma once

#include <string>

#include "platform/types.h"

namespace talvane::platform {

class Shell {
public:
    virtual ~Shell() = default;

    // SHGetSpecialFolderLocation + SHGetPathFromIDListA into a 261-byte buffer.
    // A folder the running Windows does not have gives an empty path.
    virtual std::string SpecialFolderPath(WindowId owner, ShellFolder folder) = 0;
    // Returns ShellExecuteA's result (greater than 32 on success).
    virtual std::intptr_t ShellExecute(WindowId owner,
                                       const std::string& verb,
                                       const std::string& file,
                                       int showCommand) = 0;
};

}  // namespace talvane::platform
