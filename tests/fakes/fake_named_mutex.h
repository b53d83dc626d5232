// Named mutexes of one imagined session: a name opened before, by any fake, already exists.
#pragma once

#include <set>
#include <string>

#include "platform/named_mutex.h"

namespace talvane::fakes {

class FakeNamedMutex : public platform::NamedMutex {
public:
    explicit FakeNamedMutex(std::set<std::string>& session) : session_(session) {}

    bool fails = false;  // as when the name belongs to another kind of object

    platform::MutexOpen Open(const std::string& name) override {
        if (fails) {
            return platform::MutexOpen::Failed;
        }
        return session_.insert(name).second ? platform::MutexOpen::Created : platform::MutexOpen::AlreadyExists;
    }

private:
    std::set<std::string>& session_;
};

}  // namespace talvane::fakes
