// Display patterns over any value: the game's own patterns and made-up ones.
// No pattern may crash or show anything but its literals around the number
// ("nan" and "inf" never); through a game pattern, the text
// shown reads back as the value rounded to the pattern's decimals.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "common/Numbers.h"

namespace {

using deedwell::fuzz::Check;

constexpr std::array<const char*, 12> kGamePatterns = {
    "$#,##0", "$###,###", "$#,###", "$0",           "$0,000",   "#,###",
    "0.00",   "##.##",    "#",      "$###,###,###", "$###,##0", "$#,000"};

int Decimals(std::string_view pattern) {
    const auto dot = pattern.find('.');
    if (dot == std::string_view::npos) return 0;
    int count = 0;
    for (char c : pattern.substr(dot + 1)) count += c == '0' || c == '#' ? 1 : 0;
    return count;
}

// Whatever the pattern, the text is an optional minus, the literals before the
// first placeholder, digits with "," and ".", and the literals after the last
// one: so no "nan" or "inf" and nothing else can come from the value.
bool HasShape(std::string_view pattern, std::string_view shown) {
    const auto first = pattern.find_first_of("0#");
    if (first == std::string_view::npos) return shown == pattern;
    const auto last = pattern.find_last_of("0#");
    const std::string_view prefix = pattern.substr(0, first);
    const std::string_view suffix = pattern.substr(last + 1);
    if (shown.size() < prefix.size() + suffix.size()) return false;
    if (shown.substr(0, prefix.size()) != prefix) return false;
    if (shown.substr(shown.size() - suffix.size()) != suffix) return false;
    const std::string_view number =
        shown.substr(prefix.size(), shown.size() - prefix.size() - suffix.size());
    return number.find_first_not_of("0123456789,.") == std::string_view::npos;
}

void CheckShape(std::string_view pattern, std::string_view shown) {
    const bool hasMinus = !shown.empty() && shown.front() == '-';
    Check(HasShape(pattern, shown) || (hasMinus && HasShape(pattern, shown.substr(1))),
          "the text is the pattern's literals around digits, \",\" and \".\"");
}

void CheckGamePattern(double value, std::string_view pattern, const std::string& shown) {
    Check(shown.find_first_not_of("-$,.0123456789") == std::string::npos,
          "a game pattern shows only digits, sign, $ , and .");
    if (!std::isfinite(value) || std::fabs(value) >= 1e300) return;
    Check(shown.find('-') == std::string::npos || value < 0, "only a negative value has a minus");
    if (shown.find_first_of("0123456789") == std::string::npos) return;  // zero shown as nothing
    const auto back = deedwell::ParseNumber(shown);
    Check(back.has_value(), "a game pattern's text reads as a number");
    Check(*back == deedwell::RoundHalfAway(value, Decimals(pattern)),
          "the text shown is the value rounded to the pattern");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const auto choice = data.ConsumeIntegralInRange<std::size_t>(0, kGamePatterns.size());
    const bool gamePattern = choice < kGamePatterns.size();
    const std::string pattern =
        gamePattern ? kGamePatterns[choice] : data.ConsumeRandomLengthString(24);

    if (data.ConsumeBool()) {
        // A value held as text, as the windows and record files hold them.
        const std::string text = data.ConsumeRemainingBytesAsString();
        const std::string shown = deedwell::Format(std::string_view(text), pattern);
        const auto value = deedwell::ParseNumber(text);
        if (text.find_first_not_of(' ') == std::string::npos) {
            Check(shown == deedwell::Format(0.0, pattern), "empty text shows as zero");
        } else if (value) {
            Check(shown == deedwell::Format(*value, pattern), "number text shows as its value");
        } else {
            Check(shown == text, "text that is not a number is shown unchanged");
        }
        return 0;
    }

    double value = 0;
    const auto raw = data.ConsumeBytes<std::uint8_t>(sizeof value);
    if (!raw.empty()) std::memcpy(&value, raw.data(), raw.size());
    const std::string shown = deedwell::Format(value, pattern);
    CheckShape(pattern, shown);
    if (gamePattern) CheckGamePattern(value, pattern, shown);
    return 0;
}
