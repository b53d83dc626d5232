#include "fakes/fake_files.h"

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

void FakeFiles::AddFile(const std::string& path) {
    files_.insert(Folded(path));
}

bool FakeFiles::FileExists(const std::string& path) {
    return files_.count(Folded(path)) != 0;
}

}  // namespace talvane::fakes
