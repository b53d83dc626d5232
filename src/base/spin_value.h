// The number in an edit box with arrows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace talvane {

// A numeric edit box with arrows. Its text is kept as typed until the field is left; the value read from it is
// always in range, and text that is not a number reads as the minimum.
class SpinValue {
public:
    explicit SpinValue(std::uint32_t maximum);

    // Clamped, as a value put into the field by the program.
    void Set(std::uint32_t value);
    // What the box holds after a key press; the box takes no more than MaxLength characters.
    void Type(const std::string& text);
    // The text is replaced by the value it reads as.
    void Leave();
    // The arrows: one step from the value the text reads as, never past the range.
    void Step(int delta);

    [[nodiscard]] std::uint32_t Value() const;
    [[nodiscard]] const std::string& Text() const { return text_; }
    [[nodiscard]] std::uint32_t Minimum() const { return 0; }
    [[nodiscard]] std::uint32_t Maximum() const { return maximum_; }
    [[nodiscard]] std::size_t MaxLength() const { return maxLength_; }

private:
    std::uint32_t maximum_;
    std::size_t maxLength_;
    std::string text_;
};

}  // namespace talvane
