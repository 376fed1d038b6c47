#pragma once
// Listing files written by hand for the buying tests: one house with known
// figures, any of whose values a test may change or leave out.

#include <string>
#include <utility>
#include <vector>

#include "support/Fakes.h"

namespace deedwell::testing {

using ListingLines = std::vector<std::pair<std::string, std::string>>;

// Price 103000 appraised at 106090, two units at 700, a roof to replace.
inline ListingLines SampleHouse() {
    return {{"HOUSEcAT", "4"},     {"HOUSESTAGE", "2"}, {"ADDRESS", "12  Elm Street"},
            {"PRICE", "103000"},   {"SF", "1800"},      {"BR", "3"},
            {"BATH", "2"},         {"DESC", "Unknown"}, {"OF", "0"},
            {"CONDITION", "2"},    {"INT", "8"},        {"BUILT", "1950"},
            {"TAXES", "1030"},     {"APRAISE", "106090"}, {"LAND", ".35 Acre(s)"},
            {"TYPE", "1"},         {"UNITS", "2"},      {"ERENT", "700"},
            {"READY", "1"},        {"SERIOUS", "1"},    {"KITCHEN", "1"},
            {"BATHSTAGE", "3"},    {"NVALUE", "123456"}, {"MAJOR11", "0"},
            {"MAJOR12", "0"},      {"MAJOR13", "1"},    {"MAJOR14", "0"},
            {"MAJOR15", "0"},      {"MAJOR16", "0"},    {"MAJOR17", "0"},
            {"MAJOR18", "0"},      {"ENDHERE", "FINISHED"}};
}

inline ListingLines With(ListingLines lines, const std::string& key, const std::string& value) {
    for (auto& line : lines)
        if (line.first == key) line.second = value;
    return lines;
}

inline ListingLines Without(ListingLines lines, const std::string& key) {
    std::erase_if(lines, [&](const auto& line) { return line.first == key; });
    return lines;
}

inline void WriteListing(TestGame& t, const std::string& number, const ListingLines& lines) {
    std::string content;
    for (const auto& [key, value] : lines) content += "|||" + key + "|||" + value + "\r\n";
    t.records.WriteListingFile(number, content);
}

}  // namespace deedwell::testing
