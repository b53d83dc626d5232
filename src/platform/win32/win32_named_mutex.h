// The real named mutex behind platform::NamedMutex.
#pragma once

#include "platform/named_mutex.h"
#include "platform/win32/handles.h"

namespace talvane::win32 {

class Win32NamedMutex final : public platform::NamedMutex {
public:
    platform::MutexOpen Open(const std::string& name) override;

private:
    UniqueHandle handle_;
};

}  // namespace talvane::win32
