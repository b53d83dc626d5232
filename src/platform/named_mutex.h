// A named mutex: a mark every process of the session can see, which lasts while one of them keeps it open.
#pragma once

#include <string>

namespace talvane::platform {

enum class MutexOpen { Created, AlreadyExists, Failed };

class NamedMutex {
public:
    virtual ~NamedMutex() = default;

    // CreateMutexA without taking ownership; the handle stays open for the life of this object.
    virtual MutexOpen Open(const std::string& name) = 0;
};

}  // namespace talvane::platform
