#include "base/launcher_line.h"

#include <algorithm>
#include <cstddef>

namespace talvane {

namespace {

constexpr const char* kEscapedSpace = "%80";
constexpr std::size_t kEscapedSpaceLength = 3;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Escape(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (c == ' ') {
            escaped += kEscapedSpace;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string Unescape(const std::string& text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, kEscapedSpaceLength, kEscapedSpace) == 0) {
            plain += ' ';
            i += kEscapedSpaceLength;
        } else {
            plain += text[i++];
        }
    }
    return plain;
}

// Reads the next space-separated field from `position` on; empty at the end of the line.
std::string NextField(const std::string& line, std::size_t& position) {
    while (position < line.size() && IsBlank(line[position])) {
        ++position;
    }
    const std::size_t start = position;
    while (position < line.size() && !IsBlank(line[position])) {
        ++position;
    }
    return line.substr(start, position - start);
}

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The value of a digit string, or none once it passes `limit` (so no length of digits can overflow).
std::optional<std::uint64_t> DecimalUpTo(const std::string& digits, std::uint64_t limit) {
    std::uint64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return value;
}

std::optional<LauncherRequest> Fail(std::string* problem, std::string text) {
    if (problem != nullptr) {
        *problem = std::move(text);
    }
    return std::nullopt;
}

}  // namespace

std::string LauncherArguments(std::uint32_t megabytes,
                              int priority,
                              const std::string& programPath,
                              const std::string& parameters) {
    return std::to_string(megabytes) + ' ' + std::to_string(priority) + ' ' + Escape(programPath) + ' ' +
           Escape(parameters);
}

std::optional<LauncherRequest> ParseLauncherLine(const std::string& line,
                                                 std::uint64_t totalPhysMB,
                                                 std::string* problem) {
    std::size_t position = 0;
    const std::string amount = NextField(line, position);
    const std::string priority = NextField(line, position);
    const std::string program = NextField(line, position);

    if (amount.empty()) {
        return Fail(problem, "The amount of memory to free, the priority and the program are missing.");
    }
    if (amount[0] == '-' && AllDigits(amount.substr(1))) {
        return Fail(problem, "The amount of memory \"" + amount + "\" is below zero.");
    }
    if (!AllDigits(amount)) {
        return Fail(problem, "The amount of memory \"" + amount + "\" is not a number.");
    }
    const auto megabytes = DecimalUpTo(amount, totalPhysMB);
    if (!megabytes) {
        return Fail(problem, "The amount of memory, " + amount + " MB, is more than this computer has (" +
                                 std::to_string(totalPhysMB) + " MB).");
    }

    if (priority.empty()) {
        return Fail(problem, "The priority and the program are missing.");
    }
    const bool negative = priority[0] == '-';
    const std::string priorityDigits = negative ? priority.substr(1) : priority;
    const auto priorityValue = AllDigits(priorityDigits) ? DecimalUpTo(priorityDigits, 2) : std::nullopt;
    if (!priorityValue || (negative && *priorityValue > 1)) {
        return Fail(problem, "The priority \"" + priority + "\" is none of -1, 0, 1 and 2.");
    }

    if (program.empty()) {
        return Fail(problem, "The program to start is missing.");
    }

    // The parameters are the rest of the line, so that a space the shortcut left unescaped is kept as one.
    while (position < line.size() && IsBlank(line[position])) {
        ++position;
    }
    std::size_t end = line.size();
    while (end > position && IsBlank(line[end - 1])) {
        --end;
    }

    LauncherRequest request;
    request.megabytes = static_cast<std::uint32_t>(*megabytes);
    request.priority = negative ? -static_cast<int>(*priorityValue) : static_cast<int>(*priorityValue);
    request.program = Unescape(program);
    request.parameters = Unescape(line.substr(position, end - position));
    return request;
}

std::string ArgumentsAfterProgramName(const std::string& commandLine) {
    std::size_t position = 0;
    while (position < commandLine.size() && IsBlank(commandLine[position])) {
        ++position;
    }
    if (position < commandLine.size() && commandLine[position] == '"') {
        // The name runs to the closing quote; Windows knows no escapes inside it.
        const std::size_t close = commandLine.find('"', position + 1);
        if (close == std::string::npos) {
            return {};
        }
        position = close + 1;
    }
    while (position < commandLine.size() && !IsBlank(commandLine[position])) {
        ++position;
    }
    while (position < commandLine.size() && IsBlank(commandLine[position])) {
        ++position;
    }
    return commandLine.substr(position);
}

}  // namespace talvane
