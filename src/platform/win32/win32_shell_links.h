// The real shell links behind platform::ShellLinks: the ShellLink object through IShellLinkA and IPersistFile.
#pragma once

#include "platform/shell_links.h"

namespace talvane::win32 {

class Win32ShellLinks final : public platform::ShellLinks {
public:
    platform::LinkTarget Read(const std::string& linkFile) override;
    long CreateLink(const platform::LinkRequest& request) override;
};

}  // namespace talvane::win32
