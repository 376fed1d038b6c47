#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "finance/ListingFiles.h"
#include "finance/Purchase.h"

namespace deedwell::testing {
namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class ListingBrowserTest : public ::testing::Test {
protected:
    ListingBrowserTest() {
        InitDefaults(t.game.state);
        t.game.state.Cash = 2000;
    }
    TestGame t;
};

TEST_F(ListingBrowserTest, ShowsTheFiguresGrownToThisYear) {
    t.game.state.AppreciationYears = 1;
    WriteListing(t, "0", With(With(SampleHouse(), "PRICE", "100000"), "APRAISE", "103000"));

    const ListingView view = BrowseTo(t.game, 0);

    EXPECT_TRUE(view.hasListing);
    EXPECT_EQ(t.game.state.CurrentHouseNo, "0");
    EXPECT_EQ(view.cash, "$2,000");
    EXPECT_EQ(view.askingPrice, "$106,090");
    EXPECT_EQ(view.appraisal, "$109,272");
    EXPECT_EQ(view.instantEquity, "$3,182");
    EXPECT_EQ(view.equityTone, EquityTone::Positive);
    EXPECT_EQ(view.neighbourhood, "$130,974");
    EXPECT_EQ(view.rent, "742");
    EXPECT_EQ(view.address, "12  Elm Street");
    EXPECT_EQ(view.squareFeet, "1800 sf");
    EXPECT_EQ(view.beds, "3");
    EXPECT_EQ(view.baths, "2");
    EXPECT_EQ(view.land, ".35 Acre(s) Acres");
    EXPECT_EQ(view.type, "1");
    EXPECT_EQ(view.units, "2");
    EXPECT_EQ(view.condition, "Average");
    EXPECT_EQ(view.description, "Unknown");
    EXPECT_TRUE(EndsWith(view.housePicture, "realestate/4/2.jpg")) << view.housePicture;
    EXPECT_TRUE(EndsWith(view.kitchenPicture, "homecreation/kitchen/ks_1.jpg")) << view.kitchenPicture;
    EXPECT_TRUE(EndsWith(view.bathPicture, "homecreation/bathroom/bath_3.jpg")) << view.bathPicture;
    EXPECT_FALSE(view.sold);
    EXPECT_TRUE(view.canTalkToBanker);
}

TEST_F(ListingBrowserTest, InstantEquityAndConditionCases) {
    struct Case {
        std::optional<double> years;
        const char* price;
        const char* appraisal;
        const char* condition;
        const char* equity;
        EquityTone tone;
        const char* asking;
        const char* shownCondition;
    };
    const Case cases[] = {
        {1, "100000", "97522", "1", "-$2,629", EquityTone::Negative, "$106,090", "Bad"},
        {std::nullopt, "103000", "106090", "3", "$3,090", EquityTone::Positive, "$103,000",
         "Excellent"},
        {std::nullopt, "103000", "103000", "2", "$", EquityTone::Unchanged, "$103,000", "Average"},
    };
    for (const Case& c : cases) {
        t.game.state.AppreciationYears = c.years;
        WriteListing(t, "0", With(With(With(SampleHouse(), "PRICE", c.price), "APRAISE", c.appraisal),
                                  "CONDITION", c.condition));
        const ListingView view = ShowListing(t.game, 0);
        EXPECT_EQ(view.instantEquity, c.equity) << c.appraisal;
        EXPECT_EQ(view.equityTone, c.tone) << c.appraisal;
        EXPECT_EQ(view.askingPrice, c.asking) << c.appraisal;
        EXPECT_EQ(view.condition, c.shownCondition) << c.condition;
    }
}

TEST_F(ListingBrowserTest, PositionsFollowTheFileNamesAsText) {
    for (const char* n : {"0", "1", "2", "10", "19"}) WriteListing(t, n, SampleHouse());
    const char* expected[] = {"0", "1", "10", "19", "2"};
    for (int position = 0; position < 5; ++position)
        EXPECT_EQ(ListingAtPosition(t.game, position), expected[position]);
}

TEST_F(ListingBrowserTest, OwnedListingShowsSoldAndSendsOnlyTheMessage) {
    WriteListing(t, "0", SampleHouse());
    WriteListing(t, "1", SampleHouse());
    OwnedHome home;
    home.listing = "1";
    home.units = {UnitState::Unrented};
    t.game.ledger.Append(home);

    const ListingView owned = ShowListing(t.game, 1);
    EXPECT_TRUE(owned.sold);
    EXPECT_FALSE(TalkWithYourBanker(t.game, owned));
    EXPECT_EQ(t.dialogs.Texts(),
              (std::vector<std::string>{"This property has already been taken off the market -- by you."}));

    const ListingView open = ShowListing(t.game, 0);
    EXPECT_FALSE(open.sold);
    EXPECT_TRUE(TalkWithYourBanker(t.game, open));
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
}

TEST_F(ListingBrowserTest, UnreadableListingsShowNoListingAndNoBanker) {
    WriteListing(t, "0", Without(SampleHouse(), "PRICE"));
    WriteListing(t, "1", With(SampleHouse(), "UNITS", "0"));
    WriteListing(t, "2", With(SampleHouse(), "HOUSEcAT", "../../x"));
    WriteListing(t, "abc", SampleHouse());
    // Positions 0 to 3 hold broken files; 4 is past the last one.
    for (int position = 0; position <= 4; ++position) {
        const ListingView view = BrowseTo(t.game, position);
        EXPECT_FALSE(view.hasListing) << position;
        EXPECT_FALSE(view.canTalkToBanker) << position;
        EXPECT_EQ(view.address, "No listing") << position;
        EXPECT_EQ(view.housePicture, "") << position;
        EXPECT_EQ(view.askingPrice, "") << position;
        EXPECT_FALSE(TalkWithYourBanker(t.game, view)) << position;
    }
    EXPECT_EQ(t.game.state.CurrentHouseNo, "");
    EXPECT_TRUE(t.dialogs.shown.empty());
}

}  // namespace
}  // namespace deedwell::testing
