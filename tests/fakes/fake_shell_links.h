// Shell links as files of the fake file system, so they move with them; and the requests the model made.
#pragma once

#include <string>
#include <vector>

#include "fakes/fake_files.h"
#include "platform/shell_links.h"

namespace talvane::fakes {

class FakeShellLinks : public platform::ShellLinks {
public:
    // Written links become files there, and writing into a missing folder fails as it does in Windows.
    explicit FakeShellLinks(FakeFiles& files) : files_(files) {}

    // A link file that reads back as `target` and `arguments`.
    void AddLink(const std::string& linkFile, const std::string& target, const std::string& arguments);

    std::vector<platform::LinkRequest> written;  // every request, also the failed ones
    long writeStatus = 0;                        // anything but ERROR_SUCCESS: every write fails so

    platform::LinkTarget Read(const std::string& linkFile) override;
    long CreateLink(const platform::LinkRequest& request) override;

private:
    FakeFiles& files_;
};

}  // namespace talvane::fakes
