#include "records/Ledger.h"

#include <cmath>

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

bool Ledger::IsOwned(double listing) const {
    for (const auto& home : rows_) {
        const auto owned = ParseNumber(home.listing);
        if (owned && Int(*owned) == listing) return true;
    }
    return false;
}

bool Ledger::IsOwned(std::string_view listing) const {
    const auto number = ParseNumber(listing);
    if (!number) return false;
    return IsOwned(*number);
}

}  // namespace deedwell
