// Number text as a player types it or a record file holds it. Whatever the
// bytes, a parsed value is finite, and the text the game would store for it
// reads back as the same value to 15 significant digits.
//
// An input starting with 'D' and nine bytes long is a raw double instead
// (any bit pattern, NaN and infinity included), to reach values no text
// gives, such as the very largest doubles.

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "common/Numbers.h"

namespace {

using deedwell::fuzz::Check;

// Digits from the first non-zero one to the last non-zero one.
std::size_t SignificantDigits(std::string_view text) {
    const auto first = text.find_first_of("123456789");
    if (first == std::string_view::npos) return 0;
    const auto last = text.find_last_of("123456789");
    std::size_t count = 0;
    for (auto i = first; i <= last; ++i) count += text[i] >= '0' && text[i] <= '9' ? 1 : 0;
    return count;
}

void CheckStoredText(double value) {
    const std::string text = deedwell::NumberText(value);
    Check(text.find_first_not_of("-0123456789.") == std::string::npos,
          "stored text is plain decimal");
    Check(SignificantDigits(text) <= 15, "stored text has at most 15 significant digits");
    if (!std::isfinite(value)) {
        Check(text == "0", "a value that is not finite is stored as 0");
        return;
    }
    const auto back = deedwell::ParseNumber(text);
    Check(back.has_value(), "stored text reads back");
    Check(deedwell::NumberText(*back) == text, "stored text reads back to the same text");
    // Rounding to 15 digits moves a value by at most half a unit in the 15th
    // digit; the tiniest doubles have fewer bits, hence the absolute floor.
    const double slack = 6e-15 * std::fabs(value) + 4 * std::numeric_limits<double>::denorm_min();
    Check(std::fabs(*back - value) <= slack, "stored text keeps the value to 15 digits");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 9 && bytes[0] == 'D') {
        double value = 0;
        std::memcpy(&value, bytes + 1, sizeof value);
        CheckStoredText(value);
        for (int places : {-2, 0, 2}) {
            const double rounded = deedwell::RoundHalfAway(value, places);
            Check(std::isfinite(rounded), "a rounded value is finite");
        }
        return 0;
    }

    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    const auto value = deedwell::ParseNumber(text);
    Check(deedwell::NumberOf(text) == value.value_or(0.0), "NumberOf agrees with ParseNumber");
    if (value) {
        Check(std::isfinite(*value), "a parsed value is finite");
        Check(*value != 0 || !std::signbit(*value), "zero is read without a sign");
        CheckStoredText(*value);
    }

    const auto whole = deedwell::StripProblems(text);
    if (whole) {
        Check(std::isfinite(*whole), "a stripped value is finite");
        Check(*whole == std::floor(*whole), "a stripped value is whole");
    }
    return 0;
}
