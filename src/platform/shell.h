// Shell services: special folders and ShellExecute.
#pragma once

#include <string>

#include "platform/types.h"

namespace talvane::platform {

class Shell {
public:
    virtual ~Shell() = default;

    // SHGetSpecialFolderPathA where the shell has it (4.71 and later), else SHGetSpecialFolderLocation +
    // SHGetPathFromIDListA, into a 261-byte buffer; both give the same path for a file-system folder.
    // A folder the running Windows does not have gives an empty path.
    virtual std::string SpecialFolderPath(WindowId owner, ShellFolder folder) = 0;
    // Returns ShellExecuteA's result (greater than 32 on success).
    virtual std::intptr_t ShellExecute(WindowId owner,
                                       const std::string& verb,
                                       const std::string& file,
                                       int showCommand) = 0;

    // Between these, look-ups share one load of the shell library; each ShellLibraryHold calls them once.
    virtual void HoldLibrary() {}
    virtual void ReleaseLibrary() {}
};

// Keeps the shell library loaded across a batch of look-ups instead of loading it for each.
class ShellLibraryHold {
public:
    explicit ShellLibraryHold(Shell& shell) : shell_(shell) { shell_.HoldLibrary(); }
    ~ShellLibraryHold() { shell_.ReleaseLibrary(); }
    ShellLibraryHold(const ShellLibraryHold&) = delete;
    ShellLibraryHold& operator=(const ShellLibraryHold&) = delete;
    ShellLibraryHold(ShellLibraryHold&&) = delete;
    ShellLibraryHold& operator=(ShellLibraryHold&&) = delete;

private:
    Shell& shell_;
};

}  // namespace talvane::platform
