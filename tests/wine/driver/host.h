// What the test process learns from its surroundings: environment, paths, folders.
#pragma once

#include <optional>
#include <string>

namespace talvane::wine_driver {

std::optional<std::string> EnvVar(const char* name);

// "/work/x" (as CTest passes it) becomes "Z:\work\x", the same file seen through Wine's Z: drive.
std::string ToWindowsPath(const std::string& path);

std::string JoinPath(const std::string& directory, const std::string& name);
// Windows compares paths (and most of its names) without regard to case.
bool SamePath(const std::string& a, const std::string& b);
// GetWindowsDirectoryA, where the launcher lives.
std::string WindowsDirectory();
std::string DirectoryOf(const std::string& path);

// Creates the directory and its missing parents; true if it exists afterwards.
bool EnsureDirectory(const std::string& path);

// The folder of the running test executable.
std::string OwnDirectory();

// The program named by the environment variable (as CTest sets it), else file_name beside the test executable.
std::string ProgramPath(const char* env_name, const char* file_name);

// A fresh empty file name in %TEMP%, unique to this process.
std::string TempFilePath(const std::string& stem);

// The engine program the control panel starts on the running Windows.
std::string EngineFileName();

}  // namespace talvane::wine_driver
