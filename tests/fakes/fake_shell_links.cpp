#include "fakes/fake_shell_links.h"

#include <algorithm>
#include <cctype>

namespace talvane::fakes {

namespace {

std::string Folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

void FakeShellLinks::AddLink(const std::string& linkFile, const std::string& target, const std::string& arguments) {
    files_.AddFile(linkFile);
    links_[Folded(linkFile)] = {target, arguments};
}

platform::LinkTarget FakeShellLinks::Read(const std::string& linkFile) {
    const auto found = links_.find(Folded(linkFile));
    if (found == links_.end() || !files_.FileExists(linkFile)) {
        return {};
    }
    return found->second;
}

long FakeShellLinks::Write(const platform::LinkRequest& request) {
    written.push_back(request);
    if (writeStatus != platform::kErrorSuccess) {
        return writeStatus;
    }
    const std::size_t slash = request.linkFile.rfind('\\');
    if (slash == std::string::npos || !files_.FolderExists(request.linkFile.substr(0, slash))) {
        return kErrorPathNotFound;
    }
    AddLink(request.linkFile, request.target, request.arguments);
    return platform::kErrorSuccess;
}

}  // namespace talvane::fakes
