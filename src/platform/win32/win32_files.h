// The real file system behind platform::Files.
#pragma once

#include "platform/files.h"

namespace talvane::win32 {

class Win32Files final : public platform::Files {
public:
    bool FileExists(const std::string& path) override;
};

}  // namespace talvane::win32
