#include "platform/win32/win32_shell_links.h"

#include "platform/win32/handles.h"
#include "platform/win32/win.h"

#include <cstring>
#include <vector>

namespace talvane::win32 {

namespace {

// Spelled out here rather than taken from libuuid, so the platform library needs no extra link input.
const CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

constexpr int kLinkTextBuffer = 300;

struct LinkObject {
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
};

// Both interfaces of a fresh link object, or the failure that prevented it.
HRESULT CreateLinkObject(LinkObject& object) {
    HRESULT result = CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkA,
                                      reinterpret_cast<void**>(object.link.Put()));
    if (SUCCEEDED(result)) {
        result = object.link->QueryInterface(kPersistFile, reinterpret_cast<void**>(object.file.Put()));
    }
    return result;
}

std::wstring Wide(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) {
        return {};
    }
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length));
    if (MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer.data(), length) != length) {
        return {};
    }
    return {buffer.data()};
}

// A failed HRESULT as the Win32 status a report can name. Win32 and storage failures carry one in their low word
// (the storage codes below 0x100 mirror the file system's); anything else is reported as "cannot make".
long Win32Status(HRESULT result) {
    const long code = HRESULT_CODE(result);
    const int facility = HRESULT_FACILITY(result);
    if (result == E_OUTOFMEMORY) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    if ((facility == FACILITY_WIN32 || (facility == FACILITY_STORAGE && code < 0x100)) && code != ERROR_SUCCESS) {
        return code;
    }
    return ERROR_CANNOT_MAKE;
}

// A returned text up to its first NUL, never past the buffer.
std::string TextOf(const char (&buffer)[kLinkTextBuffer]) {
    return {buffer, strnlen(buffer, kLinkTextBuffer)};
}

}  // namespace

// The link's target and arguments; a file that is no link (or cannot be loaded) gives empty texts.
platform::LinkTarget Win32ShellLinks::Read(const std::string& linkFile) {
    KeepComStarted();
    LinkObject object;
    const std::wstring path = Wide(linkFile);
    if (path.empty() || FAILED(CreateLinkObject(object)) || FAILED(object.file->Load(path.c_str(), STGM_READ))) {
        return {};
    }
    platform::LinkTarget target;
    char text[kLinkTextBuffer] = {};
    WIN32_FIND_DATAA found{};
    if (SUCCEEDED(object.link->GetPath(text, kLinkTextBuffer, &found, SLGP_UNCPRIORITY))) {
        target.path = TextOf(text);
    }
    std::memset(text, 0, sizeof(text));
    if (SUCCEEDED(object.link->GetArguments(text, kLinkTextBuffer))) {
        target.arguments = TextOf(text);
    }
    return target;
}

// ERROR_SUCCESS only when IPersistFile::Save wrote the file. The setters' results are not checked: a target that
// does not exist (yet) still gives a link, as users expect of a shortcut.
long Win32ShellLinks::CreateLink(const platform::LinkRequest& request) {
    KeepComStarted();
    const std::wstring path = Wide(request.linkFile);
    if (path.empty()) {
        return ERROR_INVALID_NAME;
    }
    LinkObject object;
    const HRESULT created = CreateLinkObject(object);
    if (FAILED(created)) {
        return Win32Status(created);
    }
    object.link->SetPath(request.target.c_str());
    object.link->SetArguments(request.arguments.c_str());
    object.link->SetIconLocation(request.iconFile.c_str(), 0);
    object.link->SetWorkingDirectory(request.workingDirectory.c_str());
    const HRESULT saved = object.file->Save(path.c_str(), TRUE);
    return SUCCEEDED(saved) ? ERROR_SUCCESS : Win32Status(saved);
}

}  // namespace talvane::win32
