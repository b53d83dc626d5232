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

size_t ScreenPixels::Count(COLORREF colour) const {
    size_t count = 0;
    for (COLORREF pixel : pixels) {
        count += pixel == colour ? 1 : 0;
    }
    return count;
}

ScreenPixels CaptureScreen(const RECT& screen_area, std::string* error) {
    const int width = screen_area.right - screen_area.left;
    const int height = screen_area.bottom - screen_area.top;
    if (width <= 0 || height <= 0) {
        Fail(error, "empty rectangle");
        return {};
    }
    const ScreenDc screen(GetDC(nullptr));
    if (!screen) {
        Fail(error, "GetDC(screen)");
        return {};
    }
    const MemoryDc memory(CreateCompatibleDC(screen.Get()));
    const Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!memory || !bitmap) {
        Fail(error, "CreateCompatibleDC/Bitmap");
        return {};
    }
    {
        const SelectGuard select(memory.Get(), bitmap.Get());
        if (!select.Selected() ||
            !BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), screen_area.left, screen_area.top, SRCCOPY)) {
            Fail(error, "BitBlt from screen");
            return {};
        }
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> bgr(static_cast<size_t>(width) * static_cast<size_t>(height));
    if (GetDIBits(memory.Get(), bitmap.Get(), 0, static_cast<UINT>(height), bgr.data(), &info, DIB_RGB_COLORS) !=
        height) {
        Fail(error, "GetDIBits");
        return {};
    }
    ScreenPixels result{width, height, {}};
    result.pixels.reserve(bgr.size());
    for (DWORD pixel : bgr) {
        result.pixels.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
    }
    return result;
}

ScreenPixels CaptureWindow(HWND window, std::string* error) {
    RECT rect = {};
    if (!GetWindowRect(window, &rect)) {
        Fail(error, "GetWindowRect");
        return {};
    }
    return CaptureScreen(rect, error);
}

ScreenPixels CaptureClient(HWND window, std::string* error) {
    RECT rect = {};
    POINT origin = {0, 0};
    if (!GetClientRect(window, &rect) || !ClientToScreen(window, &origin)) {
        Fail(error, "GetClientRect");
        return {};
    }
    OffsetRect(&rect, origin.x, origin.y);
    return CaptureScreen(rect, error);
}

bool SaveWindowScreenshot(HWND window, const std::string& path, std::string* error) {
    const ScreenPixels shot = CaptureWindow(window, error);
    if (shot.pixels.empty()) {
        return false;
    }
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = shot.width;
    header.biHeight = shot.height;  // bottom-up, as .bmp files store rows
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const DWORD stride = ((static_cast<DWORD>(shot.width) * 3 + 3) / 4) * 4;
    header.biSizeImage = stride * static_cast<DWORD>(shot.height);
    std::vector<BYTE> pixels(header.biSizeImage);
    for (int y = 0; y < shot.height; ++y) {
        BYTE* row = pixels.data() + stride * static_cast<DWORD>(shot.height - 1 - y);
        for (int x = 0; x < shot.width; ++x) {
            const COLORREF colour =
                shot.pixels[static_cast<size_t>(y) * static_cast<size_t>(shot.width) + static_cast<size_t>(x)];
            row[x * 3] = GetBValue(colour);
            row[x * 3 + 1] = GetGValue(colour);
            row[x * 3 + 2] = GetRValue(colour);
        }
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
