#include "fakes/fake_files.h"

#include <algorithm>
#include <cctype>

namespace talvane::fakes {

namespace {

std::string Trimmed(std::string path) {
    while (path.size() > 1 && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}

std::string Folded(const std::string& path) {
    std::string text = Trimmed(path);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string ParentOf(const std::string& path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool IsInside(const std::string& path, const std::string& folder) {
    const std::string p = Folded(path);
    const std::string f = Folded(folder);
    return p.size() > f.size() && p.compare(0, f.size(), f) == 0 && p[f.size()] == '\\';
}

}  // namespace

std::vector<FakeFiles::Entry>::iterator FakeFiles::Find(const std::string& path) {
    const std::string folded = Folded(path);
    return std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return Folded(e.path) == folded; });
}

void FakeFiles::Add(const std::string& path, bool isFolder, const std::string& content) {
    const std::string trimmed = Trimmed(path);
    const std::string parent = ParentOf(trimmed);
    if (!parent.empty() && Find(parent) == entries_.end()) {
        Add(parent, true);
    }
    const auto found = Find(trimmed);
    if (found == entries_.end()) {
        entries_.push_back({trimmed, isFolder, content});
    } else {
        found->content = content;
    }
}

void FakeFiles::AddFile(const std::string& path, const std::string& content) {
    Add(path, false, content);
}

std::string FakeFiles::Content(const std::string& path) {
    const auto found = Find(path);
    return found == entries_.end() ? std::string() : found->content;
}

void FakeFiles::AddFolder(const std::string& path) {
    Add(path, true);
}

void FakeFiles::FailPath(const std::string& path, long status) {
    failing_[Folded(path)] = status;
}

long FakeFiles::Failure(const std::string& path) const {
    const auto found = failing_.find(Folded(path));
    return found == failing_.end() ? platform::kErrorSuccess : found->second;
}

bool FakeFiles::FileExists(const std::string& path) {
    const auto found = Find(path);
    return found != entries_.end() && !found->isFolder;
}

bool FakeFiles::FolderExists(const std::string& path) {
    const auto found = Find(path);
    return found != entries_.end() && found->isFolder;
}

std::vector<platform::FolderEntry> FakeFiles::ListFolder(const std::string& pattern) {
    const std::string folder = ParentOf(pattern);
    if (!FolderExists(folder)) {
        return {};
    }
    std::vector<platform::FolderEntry> listed{{".", true}, {"..", true}};
    for (const Entry& entry : entries_) {
        if (Folded(ParentOf(entry.path)) == Folded(folder)) {
            listed.push_back({entry.path.substr(entry.path.rfind('\\') + 1), entry.isFolder});
        }
    }
    return listed;
}

long FakeFiles::MovePath(const std::string& from, const std::string& to) {
    for (const std::string* path : {&from, &to}) {
        if (const long status = Failure(*path); status != platform::kErrorSuccess) {
            return status;
        }
    }
    const auto source = Find(from);
    if (source == entries_.end()) {
        return platform::kErrorFileNotFound;
    }
    if (Find(to) != entries_.end()) {
        return platform::kErrorAlreadyExists;
    }
    if (!FolderExists(ParentOf(Trimmed(to)))) {
        return kErrorPathNotFound;
    }
    // The entry and all below it leave their folder and join the end of the destination's.
    const std::string oldPath = source->path;
    const std::string newPath = Trimmed(to);
    std::vector<Entry> moved;
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (Folded(it->path) == Folded(oldPath) || IsInside(it->path, oldPath)) {
            moved.push_back({newPath + it->path.substr(oldPath.size()), it->isFolder, it->content});
            it = entries_.erase(it);
        } else {
            ++it;
        }
    }
    entries_.insert(entries_.end(), moved.begin(), moved.end());
    return platform::kErrorSuccess;
}

long FakeFiles::DeletePath(const std::string& path) {
    if (const long status = Failure(path); status != platform::kErrorSuccess) {
        return status;
    }
    const auto found = Find(path);
    if (found == entries_.end()) {
        return FolderExists(ParentOf(Trimmed(path))) ? platform::kErrorFileNotFound : kErrorPathNotFound;
    }
    if (found->isFolder) {
        return platform::kErrorAccessDenied;  // DeleteFileA on a folder
    }
    entries_.erase(found);
    return platform::kErrorSuccess;
}

long FakeFiles::MakeFolder(const std::string& path) {
    if (const long status = Failure(path); status != platform::kErrorSuccess) {
        return status;
    }
    if (Find(path) != entries_.end()) {
        return platform::kErrorAlreadyExists;
    }
    if (!FolderExists(ParentOf(Trimmed(path)))) {
        return kErrorPathNotFound;
    }
    entries_.push_back({Trimmed(path), true, {}});
    return platform::kErrorSuccess;
}

long FakeFiles::RemoveFolder(const std::string& path) {
    if (const long status = Failure(path); status != platform::kErrorSuccess) {
        return status;
    }
    const auto found = Find(path);
    if (found == entries_.end() || !found->isFolder) {
        return platform::kErrorFileNotFound;
    }
    const bool empty =
        std::none_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return IsInside(e.path, path); });
    if (!empty) {
        return kErrorDirNotEmpty;
    }
    entries_.erase(found);
    return platform::kErrorSuccess;
}

void FakeFiles::PutProfileString(const std::string& path,
                                 const std::string& section,
                                 const std::string& key,
                                 const std::string& value) {
    profile_[{Folded(path), Folded(section), Folded(key)}] = value;
}

std::optional<std::string> FakeFiles::ProfileString(const std::string& path,
                                                    const std::string& section,
                                                    const std::string& key) const {
    const auto found = profile_.find({Folded(path), Folded(section), Folded(key)});
    return found == profile_.end() ? std::nullopt : std::optional<std::string>(found->second);
}

std::string FakeFiles::GetPrivateProfileString(const std::string& path,
                                               const std::string& section,
                                               const std::string& key,
                                               const std::string& fallback) {
    return ProfileString(path, section, key).value_or(fallback);
}

bool FakeFiles::WritePrivateProfileString(const std::string& path,
                                          const std::string& section,
                                          const std::string& key,
                                          const std::optional<std::string>& value) {
    if (Failure(path) != 0) {
        return false;
    }
    ++profileWrites;
    if (value) {
        PutProfileString(path, section, key, *value);
    } else {
        profile_.erase({Folded(path), Folded(section), Folded(key)});
    }
    return true;
}

}  // namespace talvane::fakes
