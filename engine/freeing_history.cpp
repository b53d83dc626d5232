#include "engine/freeing_history.h"

#include <cstdio>
#include <vector>

namespace talvane::engine {

std::string HistoryLine(const LocalTime& time,
                        Trigger trigger,
                        std::uint32_t availBeforeMB,
                        std::uint32_t availAfterMB) {
    char stamp[48];
    std::snprintf(stamp, sizeof stamp, "%04u-%02u-%02u %02u:%02u:%02u", unsigned{time.year}, unsigned{time.month},
                  unsigned{time.day}, unsigned{time.hour}, unsigned{time.minute}, unsigned{time.second});
    return std::string(stamp) + '\t' + TriggerName(trigger) + '\t' + std::to_string(availBeforeMB) + '\t' +
           std::to_string(availAfterMB) + '\t' + std::to_string(FreedMB(availBeforeMB, availAfterMB));
}

std::string AppendHistoryLine(std::string_view fileText, std::string_view line, std::size_t keep) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < fileText.size();) {
        std::size_t end = fileText.find('\n', start);
        if (end == std::string_view::npos) {
            end = fileText.size();  // the last line may lack its end
        }
        std::string_view one = fileText.substr(start, end - start);
        if (!one.empty() && one.back() == '\r') {
            one.remove_suffix(1);
        }
        if (!one.empty()) {
            lines.push_back(one);
        }
        start = end + 1;
    }
    lines.push_back(line);

    const std::size_t first = lines.size() > keep ? lines.size() - keep : 0;
    std::string text;
    for (std::size_t i = first; i < lines.size(); ++i) {
        text.append(lines[i]).append("\r\n");
    }
    return text;
}

}  // namespace talvane::engine
