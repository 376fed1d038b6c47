#pragma once
// Game numbers: how the game turns text into numbers and numbers into text.
//
// Every amount in the game is a double. Stored numbers are plain decimal text
// with at most 15 significant digits; everything typed or read from a record
// goes through one strict, locale-proof parser. Rounding is always half away
// from zero, applied to the 15-digit decimal form of a value, never to its raw
// binary form, so 2.675 rounds to 2.68 as a player would expect.
//
// A value that is not finite (a division by zero somewhere) counts as 0 in
// NumberText, RoundHalfAway and Format, so "inf" or "nan" never reaches a
// record or the screen. The parser never returns such a value either.

#include <optional>
#include <string>
#include <string_view>

namespace deedwell {

// The whole part towards minus infinity: Int(-2.5) is -3. Never rounds.
double Int(double value);

// Strict text to number. Trims spaces; accepts an optional sign, an optional
// "$" before or after the sign, digits with optional "," in the whole part, an
// optional "." fraction and an optional exponent. "" and anything else give no
// value. Never throws and never looks at the process locale.
// ".5" and "5." are read as 0.5 and 5, as a player might type them. Commas
// must make proper thousands groups ("1,234"), so "876,54" typed with a
// decimal comma is refused instead of being read as 87654. A number beyond
// what a double holds (1e999, 1e-999) gives no value.
std::optional<double> ParseNumber(std::string_view text);

// A text used in arithmetic: empty, or not a number, counts as 0.
double NumberOf(std::string_view text);

// Plain decimal text with at most 15 significant digits, no exponent, no
// separators: 876.54, 200 for 199.9999999999999, "0" for zero and for -0.
std::string NumberText(double value);

// Rounds to `places` decimals, halves away from zero, on the 15-digit form.
// A negative `places` rounds to tens, hundreds and so on.
double RoundHalfAway(double value, int places = 0);

// Shows a value through a display pattern such as "$#,##0", "$###,###",
// "$0,000", "0.00" or "#". A negative value gets a leading minus before any
// prefix ("-$2,629"); a pattern without a "0" shows zero as its literals alone.
// Literals belong before the first or after the last digit placeholder ("$",
// ":"); "," and "." are fixed whatever the system locale.
std::string Format(double value, std::string_view pattern);

// The same for a value held as text: empty counts as 0, and a text that is not
// a number is returned unchanged.
std::string Format(std::string_view text, std::string_view pattern);

// Removes every "$" and every space, parses, and takes the whole part:
// "$20,000" gives 20000. No value when the rest is not a number.
std::optional<double> StripProblems(std::string_view text);

}  // namespace deedwell
