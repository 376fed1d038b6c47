#pragma once
// Rental and listing records written straight into a test's program directory.

#include <string>
#include <utility>
#include <vector>

#include "support/Fakes.h"

namespace deedwell::testing {

using Keys = std::vector<std::pair<std::string, std::string>>;

inline std::string RecordText(const Keys& keys) {
    std::string content;
    for (const auto& [key, value] : keys) content += "|||" + key + "|||" + value + "\r\n";
    return content;
}

inline void WriteRental(const TestGame& t, const std::string& name, const Keys& keys) {
    ReplaceWholeFile(t.records.RentalPath(name), RecordText(keys));
}

inline void WriteListing(const TestGame& t, const std::string& number, const Keys& keys) {
    t.records.WriteListingFile(number, RecordText(keys));
}

// An owned home of listing `number` with the given unit states, pictured as
// category 3, stage 2.
inline OwnedHome& AddOwnedHome(Game& game, const std::string& number,
                               std::vector<UnitState> units) {
    OwnedHome home;
    home.listing = number;
    home.category = 3;
    home.stage = 2;
    home.units = std::move(units);
    return game.ledger.Append(std::move(home));
}

}  // namespace deedwell::testing
