// Shell links (.lnk files) through the ShellLink object's IShellLinkA and IPersistFile.
#pragma once

#include <string>

namespace talvane::platform {

struct LinkRequest {
    std::string target;
    std::string linkFile;
    std::string workingDirectory;
    std::string iconFile;  // its first icon is the link's
    std::string arguments;
};

struct LinkTarget {
    std::string path;
    std::string arguments;
};

class ShellLinks {
public:
    virtual ~ShellLinks() = default;

    // What the link object reports after loading the file; empty texts when the file is no link.
    virtual LinkTarget Read(const std::string& linkFile) = 0;
    // The one writer of links, for startup items and launcher shortcuts alike; COM is initialised for the call, so
    // any thread may write. Replaces a file of that name. Returns the Win32 status of the save (ERROR_SUCCESS only
    // when the file was written), so a caller never reports a link that is not there.
    virtual long CreateLink(const LinkRequest& request) = 0;
};

}  // namespace talvane::platform
