#include "fakes/fake_shell_links.h"

namespace talvane::fakes {

namespace {

// What a link file holds here: a mark, the target and the arguments, one a line.
constexpr char kLinkMark[] = "link\n";

}  // namespace

void FakeShellLinks::AddLink(const std::string& linkFile, const std::string& target, const std::string& arguments) {
    files_.AddFile(linkFile, kLinkMark + target + "\n" + arguments);
}

platform::LinkTarget FakeShellLinks::Read(const std::string& linkFile) {
    const std::string content = files_.Content(linkFile);
    const std::string mark = kLinkMark;
    const std::size_t end = content.find('\n', mark.size());
    if (content.compare(0, mark.size(), mark) != 0 || end == std::string::npos) {
        return {};  // no link: what the shell reports after a failed load
    }
    return {content.substr(mark.size(), end - mark.size()), content.substr(end + 1)};
}

long FakeShellLinks::CreateLink(const platform::LinkRequest& request) {
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
