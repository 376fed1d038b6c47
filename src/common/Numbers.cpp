#include "common/Numbers.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace deedwell {
namespace {

// ---------------------------------------------------------------------------
// The 15-digit decimal form of a value. Every number the game stores or shows
// goes through it, so rounding works on what the player would see.

// value = 0.d1 d2 d3 ... x 10^point; no trailing zeros; no digits for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

void DropTrailingZeros(Decimal& d) {
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    if (d.digits.empty()) {
        d = Decimal{};
    }
}

// The largest 15-digit decimal a double can hold. Rounding the very largest
// doubles to 15 digits would pass the greatest double, and that text would no
// longer read back as a number; they are cut to this instead.
constexpr double kLargestFifteenDigits = 1.79769313486231e308;

// A value that is not finite counts as 0, so no "inf" or "nan" reaches a text.
Decimal FifteenDigits(double value) {
    Decimal d;
    if (!std::isfinite(value) || value == 0) {
        return d;
    }
    if (std::fabs(value) > kLargestFifteenDigits) {
        value = std::copysign(kLargestFifteenDigits, value);
    }
    // std::to_chars ignores the process locale, unlike printf.
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p != res.ptr && *p != 'e'; ++p) {
        if (*p != '.') {
            d.digits.push_back(*p);
        }
    }
    ++p;  // 'e'
    if (*p == '+') {
        ++p;
    }
    int exponent = 0;
    std::from_chars(p, res.ptr, exponent);
    d.point = exponent + 1;
    DropTrailingZeros(d);
    return d;
}

// Keeps `places` decimals; a dropped part of one half or more rounds the
// magnitude up, so halves go away from zero whatever the sign.
Decimal RoundDecimal(Decimal d, int places) {
    const long keep = static_cast<long>(d.point) + places;
    if (static_cast<long>(d.digits.size()) <= keep) {
        return d;
    }
    if (keep < 0) {
        return Decimal{};
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        std::size_t i = d.digits.size();
        while (i > 0 && d.digits[i - 1] == '9') {
            d.digits[--i] = '0';
        }
        if (i == 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        } else {
            ++d.digits[i - 1];
        }
    }
    DropTrailingZeros(d);
    return d;
}

// Whole digits without leading zeros ("" for none) and decimals without
// trailing zeros.
std::string WholeDigits(const Decimal& d) {
    if (d.point <= 0) {
        return {};
    }
    const auto n = static_cast<std::size_t>(d.point);
    if (n >= d.digits.size()) {
        return d.digits + std::string(n - d.digits.size(), '0');
    }
    return d.digits.substr(0, n);
}

std::string FractionDigits(const Decimal& d) {
    if (d.point >= static_cast<int>(d.digits.size())) {
        return {};
    }
    if (d.point <= 0) {
        return std::string(static_cast<std::size_t>(-d.point), '0') + d.digits;
    }
    return d.digits.substr(static_cast<std::size_t>(d.point));
}

// ---------------------------------------------------------------------------
// Reading numbers.

std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t TakeDigits(std::string_view text, std::size_t pos, std::string& out) {
    while (pos < text.size() && IsDigit(text[pos])) {
        out.push_back(text[pos++]);
    }
    return pos;
}

// The whole part: plain digits, or thousands groups "1,234,567". Groups must
// be exactly three digits so that "876,54" typed with a decimal comma is
// refused rather than read as 87654.
bool TakeWholePart(std::string_view text, std::size_t& pos, std::string& out) {
    const std::size_t start = pos;
    pos = TakeDigits(text, pos, out);
    const std::size_t firstGroup = pos - start;
    if (pos >= text.size() || text[pos] != ',') {
        return true;
    }
    if (firstGroup == 0 || firstGroup > 3) {
        return false;
    }
    while (pos < text.size() && text[pos] == ',') {
        const std::size_t groupStart = pos + 1;
        pos = TakeDigits(text, groupStart, out);
        if (pos - groupStart != 3) {
            return false;
        }
    }
    return true;
}

// Builds the clean form "-123.45e6" that std::from_chars reads, or fails.
bool CleanNumber(std::string_view text, std::string& clean) {
    std::size_t pos = 0;
    bool dollar = false;
    auto takeDollar = [&] {
        if (!dollar && pos < text.size() && text[pos] == '$') {
            dollar = true;
            ++pos;
        }
    };
    takeDollar();
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        if (text[pos] == '-') {
            clean.push_back('-');
        }
        ++pos;
    }
    takeDollar();

    std::string whole;
    if (!TakeWholePart(text, pos, whole)) {
        return false;
    }
    std::string fraction;
    bool point = false;
    if (pos < text.size() && text[pos] == '.') {
        point = true;
        pos = TakeDigits(text, pos + 1, fraction);
    }
    if (whole.empty() && fraction.empty()) {
        return false;  // "", "$", "-", ".", "e5"
    }
    clean += whole.empty() ? "0" : whole;
    if (point && !fraction.empty()) {
        clean += '.';
        clean += fraction;
    }

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        clean.push_back('e');
        ++pos;
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
            if (text[pos] == '-') {
                clean.push_back('-');
            }
            ++pos;
        }
        std::string exponent;
        pos = TakeDigits(text, pos, exponent);
        if (exponent.empty()) {
            return false;
        }
        clean += exponent;
    }
    return pos == text.size();
}

}  // namespace

double Int(double value) { return std::floor(value); }

std::optional<double> ParseNumber(std::string_view text) {
    text = TrimSpaces(text);
    std::string clean;
    if (!CleanNumber(text, clean)) {
        return std::nullopt;
    }
    double value = 0;
    const char* end = clean.data() + clean.size();
    const auto res = std::from_chars(clean.data(), end, value, std::chars_format::general);
    // Out of range covers both overflow and underflow: a number a double
    // cannot hold is not a number to the game.
    if (res.ec != std::errc{} || res.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value == 0 ? 0.0 : value;
}

double NumberOf(std::string_view text) { return ParseNumber(text).value_or(0.0); }

std::string NumberText(double value) {
    const Decimal d = FifteenDigits(value);
    if (d.digits.empty()) {
        return "0";
    }
    std::string text = d.negative ? "-" : "";
    const std::string whole = WholeDigits(d);
    text += whole.empty() ? "0" : whole;
    const std::string fraction = FractionDigits(d);
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    return text;
}

double RoundHalfAway(double value, int places) {
    const Decimal rounded = RoundDecimal(FifteenDigits(value), places);
    if (rounded.digits.empty()) {
        return 0;
    }
    // Read back the rounded decimal itself, so the result is the double
    // nearest to what the player sees.
    std::string clean = rounded.negative ? "-0." : "0.";
    clean += rounded.digits + "e" + std::to_string(rounded.point);
    double result = 0;
    const auto res = std::from_chars(clean.data(), clean.data() + clean.size(), result);
    // Rounding the very largest doubles to tens, hundreds and up can overflow.
    return res.ec == std::errc{} ? result : value;
}

std::string Format(double value, std::string_view pattern) {
    // Literal prefix, numeric part (first to last placeholder), literal suffix.
    const auto first = pattern.find_first_of("0#");
    if (first == std::string_view::npos) {
        return std::string(pattern);
    }
    const auto last = pattern.find_last_of("0#");
    const std::string_view prefix = pattern.substr(0, first);
    const std::string_view numeric = pattern.substr(first, last - first + 1);
    const std::string_view suffix = pattern.substr(last + 1);

    const auto dot = numeric.find('.');
    const std::string_view wholePattern = numeric.substr(0, dot);
    std::string fractionPattern;
    if (dot != std::string_view::npos) {
        for (char c : numeric.substr(dot + 1)) {
            if (c == '0' || c == '#') {
                fractionPattern.push_back(c);
            }
        }
    }
    std::size_t minWhole = 0;
    for (char c : wholePattern) {
        minWhole += c == '0' ? 1 : 0;
    }
    const bool group = wholePattern.find(',') != std::string_view::npos;
    const bool anyZero = numeric.find('0') != std::string_view::npos;

    const Decimal rounded = RoundDecimal(FifteenDigits(value), static_cast<int>(fractionPattern.size()));
    const bool isZero = rounded.digits.empty();
    if (isZero && !anyZero) {
        return std::string(prefix) + std::string(suffix);
    }

    std::string whole = WholeDigits(rounded);
    if (whole.size() < minWhole) {
        whole.insert(0, minWhole - whole.size(), '0');
    }
    if (group) {
        for (auto i = whole.size(); i > 3; i -= 3) {
            whole.insert(i - 3, 1, ',');
        }
    }

    std::string fraction = FractionDigits(rounded);
    fraction.resize(fractionPattern.size(), '0');
    while (!fraction.empty() && fraction.back() == '0' && fractionPattern[fraction.size() - 1] == '#') {
        fraction.pop_back();
    }

    std::string text = (rounded.negative && !isZero) ? "-" : "";
    text += prefix;
    text += whole;
    if (dot != std::string_view::npos) {
        text += '.';
        text += fraction;
    }
    text += suffix;
    return text;
}

std::string Format(std::string_view text, std::string_view pattern) {
    if (TrimSpaces(text).empty()) {
        return Format(0.0, pattern);
    }
    const auto value = ParseNumber(text);
    return value ? Format(*value, pattern) : std::string(text);
}

std::optional<double> StripProblems(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (c != '$' && c != ' ') {
            kept.push_back(c);
        }
    }
    const auto value = ParseNumber(kept);
    if (!value) {
        return std::nullopt;
    }
    return Int(*value);
}

}  // namespace deedwell
