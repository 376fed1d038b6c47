#pragma once
// The owned-property ledger: one row per owned home, in order of purchase.
//
// A row holds the home's loan, values, features, sale state and its own list
// of units. Each field says which column of the game's books it is, so rules
// written against the columns read naturally. Rows are appended only by a
// purchase and removed only by a sale; removing a row moves every later row up.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace deedwell {

enum class UnitState { Unrented, Rented, Living };

// "UNRENTED", "RENTED" or "LIVING".
const char* UnitStateText(UnitState state);

struct OwnedHome {
    std::string listing;          // HOUSELIST: the listing number, plain digits
    double payment = 0;           // FINDATA(0): monthly loan payment, 0 once paid off
    double principal = 0;         // FINDATA(1): principal still owed
    double rate = 0;              // FINDATA(2): yearly interest in percent (5, 8 or 10)
    double term = 0;              // FINDATA(3): loan term in years (30, 15, 10 or 5)
    double purchaseValue = 0;     // FINDATA(4): value at purchase
    double value = 0;             // FINDATA(5): current appraised value
    double kitchen = 0;           // FINDATA(6): kitchen stage 1 to 3
    double bathroom = 0;          // FINDATA(7): bathroom stage 1 to 3
    double category = 0;          // FINDATA(8): house category 1 to 8, for pictures
    double stage = 0;             // FINDATA(9): house stage 1 to 3, for pictures
    double neighbourhood = 0;     // FINDATA(10): neighbourhood value
    // FINDATA(11) to FINDATA(18): central heat, electrical system, roof,
    // flooring, plumbing, foundation, landscaping, carpet need replacing.
    std::array<bool, 8> needsRepair{};
    double condition = 0;         // ConditionBar: exterior condition 1 to 3
    double rent = 0;              // RentRates(0): monthly rent of each unit
    bool forSale = false;         // ForSaleList: "YES" / "NO"
    bool offerWaiting = false;    // PurchaseOffer: "YES" / "NO"
    double waitPeriod = 6;        // WaitPeriod: months left of the refinancing wait
    std::vector<UnitState> units;  // HOUSEUNIT(r): one entry per unit, in unit order

    // FINDATA(n) for n = 11..18.
    bool& Major(int column) { return needsRepair.at(static_cast<std::size_t>(column - 11)); }
    bool Major(int column) const { return needsRepair.at(static_cast<std::size_t>(column - 11)); }
};

class Ledger {
public:
    std::size_t Count() const { return rows_.size(); }
    bool Empty() const { return rows_.empty(); }
    bool HasRow(double row) const;

    OwnedHome& Row(std::size_t row) { return rows_.at(row); }
    const OwnedHome& Row(std::size_t row) const { return rows_.at(row); }

    std::vector<OwnedHome>& Rows() { return rows_; }
    const std::vector<OwnedHome>& Rows() const { return rows_; }

    // Appends a bought home at the end, in order of purchase.
    OwnedHome& Append(OwnedHome home);

    // Removes row r; every later row moves up by one.
    void Remove(std::size_t row);

    // True when listing n is one of the owned homes. Compared as whole numbers,
    // which gives the same answer as text for plain digits.
    bool IsOwned(std::string_view listing) const;
    bool IsOwned(double listing) const;

private:
    std::vector<OwnedHome> rows_;
};

}  // namespace deedwell
