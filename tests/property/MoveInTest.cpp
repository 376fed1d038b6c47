#include <gtest/gtest.h>

#include "property/MoveIn.h"
#include "property/PropertyFixture.h"

namespace deedwell {
namespace {

using testing::AddOwnedHome;
using testing::Keys;
using testing::TestGame;
using testing::WriteListing;

const Keys kDuplex = {
    {"ADDRESS", "14 Lake Drive"}, {"UNITS", "2"}, {"SF", "1800"}, {"ERENT", "700"}};
const Keys kHouse = {{"ADDRESS", "3 Hill Road"}, {"UNITS", "1"}, {"SF", "1200"}, {"ERENT", "900"}};

class MoveInTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitDefaults(s);
        s.Cash = 5000;
        s.HasHome = "NO";
        WriteListing(t, "12", kDuplex);
        WriteListing(t, "40", kHouse);
        AddOwnedHome(t.game, "12", {UnitState::Rented, UnitState::Unrented});
        AddOwnedHome(t.game, "40", {UnitState::Unrented});
    }

    std::string Picture(int category, int stage) const {
        return (t.records.Root() / "realestate" / std::to_string(category) /
                (std::to_string(stage) + ".jpg"))
            .string();
    }

    std::vector<UnitState> Units(std::size_t row) const { return t.game.ledger.Row(row).units; }

    TestGame t;
    GameState& s = t.game.state;
};

TEST_F(MoveInTest, MovingIntoADuplexUnit) {
    const UnitList list = LoadUnits(t.game, 0);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"RENTED", "UNRENTED"}));
    EXPECT_EQ(list.selected, 1);
    EXPECT_EQ(s.CurrentUnitRow, 0);

    ASSERT_TRUE(LetsMoveIn(t.game, 0, list.selected));
    EXPECT_EQ(Units(0), (std::vector<UnitState>{UnitState::Rented, UnitState::Living}));
    EXPECT_EQ(s.HomeUtilities, 450);
    EXPECT_EQ(s.LivingCost, 1150);
    EXPECT_EQ(s.HomeRent, 700);
    EXPECT_EQ(s.HomeSquareFeet, 1800);  // the whole home's area
    EXPECT_EQ(s.HomeAddress, "14 Lake Drive");
    EXPECT_EQ(s.HomePicture, Picture(3, 2));
    EXPECT_EQ(s.HasHome, "YES");
    EXPECT_EQ(CashOf(s), 4000);
    EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{"Enjoy your move!"});
    EXPECT_EQ(t.screens.requests,
              (std::vector<std::string>{"RefreshAll", "RefreshHomeInformation"}));

    t.screens.requests.clear();
    const HomeWindowView view = RefreshInformation(t.game);
    EXPECT_FALSE(view.homeless);
    EXPECT_EQ(view.CashBar, "$4,000");
    EXPECT_EQ(view.RentInfo,
              (std::array<std::string, 5>{"14 Lake Drive", "$700", "$450", "$1150", "1800sf"}));
    EXPECT_EQ(view.picture, Picture(3, 2));
    EXPECT_EQ(t.screens.requests, std::vector<std::string>{"RefreshAll"});
}

TEST_F(MoveInTest, CashMustBeAboveAThousand) {
    s.Cash = 1000;
    EXPECT_FALSE(LetsMoveIn(t.game, 1, 0));
    EXPECT_EQ(t.dialogs.Texts(),
              std::vector<std::string>{
                  "Sorry folks!  Can't move in without a few bucks to pay the trucks "
                  "and get the lights turned out.  Better figure something else out."});
    EXPECT_EQ(Units(1)[0], UnitState::Unrented);
    EXPECT_EQ(s.HasHome, "NO");

    s.Cash = 1001;
    EXPECT_TRUE(LetsMoveIn(t.game, 1, 0));
    EXPECT_EQ(CashOf(s), 1);
}

TEST_F(MoveInTest, MovingFromOneHomeToAnother) {
    ASSERT_TRUE(LetsMoveIn(t.game, 0, 1));
    ASSERT_TRUE(LetsMoveIn(t.game, 1, 0));
    EXPECT_EQ(Units(0), (std::vector<UnitState>{UnitState::Rented, UnitState::Unrented}));
    EXPECT_EQ(Units(1), std::vector<UnitState>{UnitState::Living});
    EXPECT_EQ(s.LivingCost, 900 + 600);
    EXPECT_EQ(CashOf(s), 3000);

    // The same unit again is a full move once more.
    ASSERT_TRUE(LetsMoveIn(t.game, 1, 0));
    EXPECT_EQ(CashOf(s), 2000);
    EXPECT_EQ(Units(1), std::vector<UnitState>{UnitState::Living});
}

TEST_F(MoveInTest, RentedUnitsCannotBeTaken) {
    t.game.ledger.Row(0).units = {UnitState::Rented, UnitState::Rented};
    const UnitList list = LoadUnits(t.game, 0);
    EXPECT_EQ(list.selected, -1);
    EXPECT_FALSE(LetsMoveIn(t.game, 0, 1));
    EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{
                                     "Sorry folks!  You already rented this home to a fine good of "
                                     "ruff-necks and they arent going anywhere for a while."});
    EXPECT_EQ(CashOf(s), 5000);
    EXPECT_EQ(s.HasHome, "NO");
}

TEST_F(MoveInTest, TheUnitWindowsOwnRowIsTheOneMovedInto) {
    ASSERT_TRUE(LetsMoveIn(t.game, 1, 0));
    t.dialogs.shown.clear();
    const UnitList list = LoadUnits(t.game, 0);
    s.CurrentUnitRow = 1;  // another window wrote its own row meanwhile
    ASSERT_TRUE(LetsMoveIn(t.game, 0, list.selected));
    EXPECT_EQ(Units(0)[1], UnitState::Living);
    EXPECT_EQ(Units(1)[0], UnitState::Unrented);
    EXPECT_EQ(s.HomeAddress, "14 Lake Drive");
}

TEST_F(MoveInTest, NoSelectionOrAStaleRowChangesNothing) {
    ASSERT_TRUE(LetsMoveIn(t.game, 1, 0));
    t.dialogs.shown.clear();
    const std::pair<int, int> stale[] = {{-1, 0}, {0, -1}, {2, 0}, {1, 1}, {0, 2}};
    for (const auto& [row, unit] : stale) {
        EXPECT_FALSE(LetsMoveIn(t.game, row, unit)) << row << "," << unit;
    }
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(Units(1)[0], UnitState::Living);
    EXPECT_EQ(CashOf(s), 4000);
    EXPECT_TRUE(LoadUnits(t.game, -1).entries.empty());
    EXPECT_TRUE(LoadUnits(t.game, 2).entries.empty());
}

TEST_F(MoveInTest, UnreadableListingRefusesBeforeAnythingChanges) {
    ASSERT_TRUE(LetsMoveIn(t.game, 1, 0));
    const GameState before = s;
    const std::pair<const char*, Keys> broken[] = {
        {"UNITS missing", {{"ADDRESS", "A"}, {"SF", "1800"}, {"ERENT", "700"}}},
        {"UNITS zero", {{"ADDRESS", "A"}, {"UNITS", "0"}, {"SF", "1800"}, {"ERENT", "700"}}},
        {"UNITS not a number",
         {{"ADDRESS", "A"}, {"UNITS", "two"}, {"SF", "1800"}, {"ERENT", "700"}}},
        {"UNITS a fraction",
         {{"ADDRESS", "A"}, {"UNITS", "1.5"}, {"SF", "1800"}, {"ERENT", "700"}}},
        {"SF missing", {{"ADDRESS", "A"}, {"UNITS", "2"}, {"ERENT", "700"}}},
        {"ERENT not a number", {{"ADDRESS", "A"}, {"UNITS", "2"}, {"SF", "1800"}, {"ERENT", "x"}}},
        {"ADDRESS missing", {{"UNITS", "2"}, {"SF", "1800"}, {"ERENT", "700"}}},
    };
    for (const auto& [what, keys] : broken) {
        SCOPED_TRACE(what);
        t.dialogs.shown.clear();
        WriteListing(t, "12", keys);
        EXPECT_FALSE(LetsMoveIn(t.game, 0, 1));
        EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{kUnreadableHomeMessage});
        EXPECT_EQ(Units(0), (std::vector<UnitState>{UnitState::Rented, UnitState::Unrented}));
        EXPECT_EQ(Units(1)[0], UnitState::Living);
        EXPECT_EQ(CashOf(s), CashOf(before));
        EXPECT_EQ(s.LivingCost, before.LivingCost);
        EXPECT_EQ(s.HomeAddress, before.HomeAddress);
    }
    std::filesystem::remove(t.records.ListingPath("12"));
    EXPECT_FALSE(LetsMoveIn(t.game, 0, 1));
    EXPECT_EQ(t.dialogs.Last(), kUnreadableHomeMessage);
}

TEST_F(MoveInTest, HomeListAndPictures) {
    AddOwnedHome(t.game, "77", {UnitState::Unrented, UnitState::Unrented});
    WriteListing(t, "77", {{"UNITS", "2"}});
    EXPECT_EQ(ListTheHomes(t.game),
              (std::vector<std::string>{"14 Lake Drive (2 Units)", "3 Hill Road (1 Units)",
                                        "(listing 77) (2 Units)"}));

    EXPECT_EQ(OwnedHomePicture(t.game, 1), Picture(3, 2));
    EXPECT_EQ(OwnedHomePicture(t.game, 3), "");
    EXPECT_EQ(OwnedHomePicture(t.game, -1), "");
    const std::pair<double, double> outside[] = {{0, 1}, {9, 1}, {2.5, 1}, {1, 0}, {1, 4}};
    for (const auto& [category, stage] : outside) {
        t.game.ledger.Row(2).category = category;
        t.game.ledger.Row(2).stage = stage;
        EXPECT_EQ(OwnedHomePicture(t.game, 2), "") << category << "/" << stage;
    }
}

TEST(HomeWindowTest, HomelessShowsOnlyTheCash) {
    TestGame t;
    t.game.state.Cash = 2000;
    const HomeWindowView view = RefreshInformation(t.game);
    EXPECT_TRUE(view.homeless);
    EXPECT_EQ(view.CashBar, "$2,000");
    for (const auto& text : view.RentInfo) EXPECT_EQ(text, "Homeless");
    EXPECT_EQ(view.picture, "");
    EXPECT_TRUE(t.screens.requests.empty());
}

}  // namespace
}  // namespace deedwell
