#include "records/Ledger.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "common/Numbers.h"

namespace deedwell {

const char* UnitStateText(UnitState state) {
    switch (state) {
        case UnitState::Rented:
            return "RENTED";
        case UnitState::Living:
            return "LIVING";
        case UnitState::Unrented:
            break;
    }
    return "UNRENTED";
}

bool Ledger::HasRow(double row) const {
    return std::isfinite(row) && row >= 0 && row == std::floor(row) &&
           row < static_cast<double>(rows_.size());
}

OwnedHome& Ledger::Append(OwnedHome home) {
    rows_.push_back(std::move(home));
    return rows_.back();
}

void Ledger::Remove(std::size_t row) {
    if (row < rows_.size()) rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
}

namespace {

// The whole number a listing entry names. Entries are plain digits almost
// always, read here without the full number parser: the market asks this for
// every owned home at every listing it touches.
std::optional<double> ListingNumber(const std::string& listing) {
    if (!listing.empty() && listing.size() <= 9) {
        int value = 0;
        const char* end = listing.data() + listing.size();
        const auto [at, error] = std::from_chars(listing.data(), end, value);
        if (error == std::errc() && at == end) return value;
    }
    const auto number = ParseNumber(listing);
    if (!number) return std::nullopt;
    return Int(*number);
}

}  // namespace

bool Ledger::IsOwned(double listing) const {
    for (const auto& home : rows_) {
        const auto owned = ListingNumber(home.listing);
        if (owned && *owned == listing) return true;
    }
    return false;
}

bool Ledger::IsOwned(std::string_view listing) const {
    const auto number = ParseNumber(listing);
    if (!number) return false;
    return IsOwned(*number);
}

}  // namespace deedwell
