#include <gtest/gtest.h>

#include "records/Ledger.h"

namespace deedwell {
namespace {

OwnedHome Home(const std::string& listing, int units, double principal) {
    OwnedHome home;
    home.listing = listing;
    home.principal = principal;
    home.units.assign(static_cast<std::size_t>(units), UnitState::Unrented);
    return home;
}

TEST(LedgerTest, SellingTheSecondOfThreeMovesTheThirdUp) {
    Ledger ledger;
    ledger.Append(Home("12", 1, 1000));
    ledger.Append(Home("40", 2, 2000));
    auto& third = ledger.Append(Home("7", 3, 3000));
    third.units[1] = UnitState::Rented;
    ledger.Remove(1);
    ASSERT_EQ(ledger.Count(), 2u);
    EXPECT_EQ(ledger.Row(0).listing, "12");
    EXPECT_EQ(ledger.Row(1).listing, "7");
    EXPECT_EQ(ledger.Row(1).principal, 3000);
    EXPECT_EQ(ledger.Row(1).units,
              (std::vector<UnitState>{UnitState::Unrented, UnitState::Rented, UnitState::Unrented}));
    EXPECT_FALSE(ledger.IsOwned("40"));
    EXPECT_FALSE(ledger.HasRow(2));
}

TEST(LedgerTest, ManyHomesAndLargeBuildings) {
    Ledger ledger;
    for (int i = 0; i < 9; ++i) ledger.Append(Home(std::to_string(i * 3), i == 7 ? 6 : 1, 0));
    EXPECT_EQ(ledger.Count(), 9u);
    EXPECT_EQ(ledger.Row(7).units.size(), 6u);
    EXPECT_TRUE(ledger.IsOwned("21"));
    EXPECT_TRUE(ledger.IsOwned(24));
    EXPECT_FALSE(ledger.IsOwned("22"));
}

TEST(LedgerTest, PaidOffHomeKeepsItsRow) {
    Ledger ledger;
    auto& home = ledger.Append(Home("5", 1, 0));
    home.payment = 0;
    EXPECT_EQ(ledger.Count(), 1u);
    EXPECT_TRUE(ledger.IsOwned("5"));
}

TEST(LedgerTest, OwnershipComparesWholeNumbers) {
    Ledger ledger;
    ledger.Append(Home("17", 1, 0));
    EXPECT_TRUE(ledger.IsOwned(" 17"));
    EXPECT_FALSE(ledger.IsOwned(""));
    EXPECT_FALSE(ledger.IsOwned("abc"));
    EXPECT_FALSE(ledger.IsOwned(1.7));

    // Entries that are not plain digits are read as numbers too.
    for (const char* entry : {"030", " 9", "12.0", "x", "99999999999"}) {
        ledger.Append(Home(entry, 1, 0));
    }
    EXPECT_TRUE(ledger.IsOwned(30));
    EXPECT_TRUE(ledger.IsOwned("9"));
    EXPECT_TRUE(ledger.IsOwned(12));
    EXPECT_TRUE(ledger.IsOwned(99999999999.0));
    EXPECT_FALSE(ledger.IsOwned(0));
}

TEST(LedgerTest, RowChecks) {
    Ledger ledger;
    ledger.Append(Home("1", 1, 0));
    EXPECT_TRUE(ledger.HasRow(0));
    EXPECT_FALSE(ledger.HasRow(-1));
    EXPECT_FALSE(ledger.HasRow(0.5));
    EXPECT_FALSE(ledger.HasRow(1));
    ledger.Remove(5);  // out of range: nothing happens
    EXPECT_EQ(ledger.Count(), 1u);
}

TEST(LedgerTest, UnitStateTexts) {
    EXPECT_STREQ(UnitStateText(UnitState::Unrented), "UNRENTED");
    EXPECT_STREQ(UnitStateText(UnitState::Rented), "RENTED");
    EXPECT_STREQ(UnitStateText(UnitState::Living), "LIVING");
}

}  // namespace
}  // namespace deedwell
