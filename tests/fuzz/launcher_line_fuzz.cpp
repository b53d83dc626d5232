// libFuzzer target: a launcher's command line of arbitrary bytes (the first byte sets the machine's memory).
// Whatever parses must write back into a line that parses to the same request.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/launcher_line.h"
#include "base/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint64_t totalPhysMB = std::uint64_t{data[0]} * 64;
    const std::string commandLine(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string problem;
    const auto request =
        talvane::ParseLauncherLine(talvane::ArgumentsAfterProgramName(commandLine), totalPhysMB, &problem);
    if (!request) {
        if (problem.empty()) {
            std::abort();  // a refusal must say why
        }
        return 0;
    }
    if (request->megabytes > totalPhysMB || request->priority < -1 || request->priority > 2 ||
        request->program.empty()) {
        std::abort();
    }
    const auto again = talvane::ParseLauncherLine(
        talvane::LauncherArguments(request->megabytes, request->priority, request->program, request->parameters),
        totalPhysMB, nullptr);
    if (!again || again->megabytes != request->megabytes || again->priority != request->priority ||
        again->program != request->program || again->parameters != request->parameters) {
        std::abort();
    }
    talvane::FolderPartOf(request->program);
    return 0;
}
