#include "screenshot.h"

#include <cstring>
#include <set>
#include <vector>

#include "host.h"
#include "win_owners.h"

namespace talvane::wine_driver {
namespace {

bool Fail(std::string* error, const std::string& what) {
    if (error != nullptr) {
        *error = what + " failed, error " + std::to_string(GetLastError());
    }
    return false;
}

}  // namespace

bool SaveWindowScreenshot(HWND window, const std::string& path, std::string* error) {
    RECT rect = {};
    if (!GetWindowRect(window, &rect)) {
        return Fail(error, "GetWindowRect");
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return Fail(error, "empty window rectangle");
    }

    const ScreenDc screen(GetDC(nullptr));
    if (!screen) {
        return Fail(error, "GetDC(screen)");
    }
    const MemoryDc memory(CreateCompatibleDC(screen.Get()));
    const Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!memory || !bitmap) {
        return Fail(error, "CreateCompatibleDC/Bitmap");
    }
    {
        const SelectGuard select(memory.Get(), bitmap.Get());
        if (!select.Selected() ||
            !BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY)) {
            return Fail(error, "BitBlt from screen");
        }
    }

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;  // bottom-up, as .bmp files store rows
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) / 4) * 4;
    header.biSizeImage = stride * static_cast<DWORD>(height);
    std::vector<BYTE> pixels(header.biSizeImage);
    if (GetDIBits(memory.Get(), bitmap.Get(), 0, static_cast<UINT>(height), pixels.data(),
                  reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS) != height) {
        return Fail(error, "GetDIBits");
    }

    BITMAPFILEHEADER file_header = {};
    file_header.bfType = 0x4D42;  // "BM"
    file_header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file_header.bfSize = file_header.bfOffBits + header.biSizeImage;

    const std::string windows_path = ToWindowsPath(path);
    if (!EnsureDirectory(DirectoryOf(windows_path))) {
        return Fail(error, "creating the folder of " + windows_path);
    }
    const FileHandle file(
        CreateFileA(windows_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return Fail(error, "CreateFileA(" + windows_path + ")");
    }
    DWORD written = 0;
    const bool ok = WriteFile(file.Get(), &file_header, sizeof(file_header), &written, nullptr) &&
                    WriteFile(file.Get(), &header, sizeof(header), &written, nullptr) &&
                    WriteFile(file.Get(), pixels.data(), header.biSizeImage, &written, nullptr) &&
                    written == header.biSizeImage;
    return ok || Fail(error, "WriteFile(" + windows_path + ")");
}

std::optional<BmpSummary> SummarizeBmp(const std::string& path) {
    const FileHandle file(CreateFileA(ToWindowsPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    const DWORD size = GetFileSize(file.Get(), nullptr);
    const DWORD headers = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    if (size == INVALID_FILE_SIZE || size < headers) {
        return std::nullopt;
    }
    std::vector<BYTE> bytes(size);
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data(), size, &read, nullptr) || read != size) {
        return std::nullopt;
    }
    BITMAPFILEHEADER file_header;
    BITMAPINFOHEADER header;
    std::memcpy(&file_header, bytes.data(), sizeof(file_header));
    std::memcpy(&header, bytes.data() + sizeof(file_header), sizeof(header));
    if (file_header.bfType != 0x4D42 || header.biBitCount != 24 || header.biWidth <= 0 || header.biHeight == 0) {
        return std::nullopt;
    }
    BmpSummary summary;
    summary.width = header.biWidth;
    summary.height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    const size_t stride = ((static_cast<size_t>(summary.width) * 3 + 3) / 4) * 4;
    if (file_header.bfOffBits > size || stride * static_cast<size_t>(summary.height) > size - file_header.bfOffBits) {
        return std::nullopt;
    }
    std::set<DWORD> colours;
    for (int y = 0; y < summary.height && colours.size() < 256; ++y) {
        const BYTE* row = bytes.data() + file_header.bfOffBits + stride * static_cast<size_t>(y);
        for (int x = 0; x < summary.width && colours.size() < 256; ++x) {
            const BYTE* pixel = row + static_cast<size_t>(x) * 3;
            colours.insert(static_cast<DWORD>(pixel[0]) | (static_cast<DWORD>(pixel[1]) << 8) |
                           (static_cast<DWORD>(pixel[2]) << 16));
        }
    }
    summary.distinct_colours = colours.size();
    return summary;
}

}  // namespace talvane::wine_driver
