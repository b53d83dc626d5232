#include "base/spin_value.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace talvane {

namespace {

std::size_t DigitsOf(std::uint32_t n) {
    return std::to_string(n).size();
}

// A signed whole number and nothing else; anything the box cannot mean as a number gives nothing.
std::optional<std::int64_t> ParseNumber(const std::string& text) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    if (at == text.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; at < text.size(); ++at) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (std::isdigit(c) == 0) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > 0xFFFFFFFFLL) {
            return std::nullopt;
        }
    }
    return negative ? -value : value;
}

}  // namespace

SpinValue::SpinValue(std::uint32_t maximum) : maximum_(maximum), maxLength_(DigitsOf(maximum)), text_("0") {}

void SpinValue::Set(std::uint32_t value) {
    text_ = std::to_string(std::min(value, maximum_));
}

void SpinValue::Type(const std::string& text) {
    text_ = text.substr(0, maxLength_);
}

void SpinValue::Leave() {
    Set(Value());
}

void SpinValue::Step(int delta) {
    const std::int64_t next = static_cast<std::int64_t>(Value()) + delta;
    Set(static_cast<std::uint32_t>(std::clamp<std::int64_t>(next, Minimum(), maximum_)));
}

std::uint32_t SpinValue::Value() const {
    const std::optional<std::int64_t> number = ParseNumber(text_);
    if (!number) {
        return Minimum();
    }
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(*number, Minimum(), maximum_));
}

}  // namespace talvane
