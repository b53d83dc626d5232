#include "fake_engine.h"

#include <fstream>
#include <utility>

#include "host.h"
#include "wait.h"
#include "window_find.h"

namespace talvane::wine_driver {
namespace {

// A cold Wine session starts its desktop and services with the first program.
constexpr DWORD kWindowTimeoutMs = 15000;

std::string SettingsLogPath(const std::string& log) {
    return log + ".settings";
}

}  // namespace

std::vector<HWND> FindEngineWindows() {
    return FindTopLevelWindows({0, kEngineClass, kEngineCaption, false});
}

void EndEngines() {
    for (HWND window : FindEngineWindows()) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    WaitUntil([] { return FindEngineWindows().empty(); }, 5000);
}

std::optional<FakeEngine> FakeEngine::Start(DWORD lifetime_ms, std::string* error) {
    std::string log = TempFilePath("engine_log");
    auto process = Process::Launch(ProgramPath("TALVANE_FAKE_ENGINE", "fake_engine.exe"),
                                   "\"" + log + "\" " + std::to_string(lifetime_ms), {}, error);
    if (!process) {
        return std::nullopt;
    }
    HWND window = WaitForTopLevelWindow({process->Id(), kEngineClass, kEngineCaption, false}, kWindowTimeoutMs);
    if (window == nullptr) {
        if (error != nullptr) {
            *error = "the fake engine did not create its window within " + std::to_string(kWindowTimeoutMs) + " ms";
        }
        return std::nullopt;
    }
    return FakeEngine(std::move(*process), window, std::move(log));
}

FakeEngine::FakeEngine(FakeEngine&& other) noexcept
    : process_(std::move(other.process_)),
      window_(std::exchange(other.window_, nullptr)),
      log_(std::exchange(other.log_, {})) {}

FakeEngine::~FakeEngine() {
    if (process_.Running()) {
        process_.Terminate();
    }
    if (!log_.empty()) {
        DeleteFileA(log_.c_str());
        DeleteFileA(SettingsLogPath(log_).c_str());
    }
}

size_t FakeEngine::Received(UINT message) const {
    size_t count = 0;
    for (const auto& entry : Log()) {
        count += entry.message == message ? 1 : 0;
    }
    return count;
}

std::vector<std::string> FakeEngine::SettingsAtReload() const {
    std::ifstream in(SettingsLogPath(log_));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::optional<DWORD> FakeEngine::Close(DWORD timeout_ms) const {
    if (process_.Running()) {
        PostMessageA(window_, WM_CLOSE, 0, 0);
    }
    return process_.WaitForExit(timeout_ms);
}

}  // namespace talvane::wine_driver
