#include "hints/Hints.h"

#include <gtest/gtest.h>

#include <functional>

#include "records/RecordFiles.h"
#include "support/Fakes.h"

namespace deedwell {
namespace {

class HintsTest : public ::testing::Test {
protected:
    testing::TestGame t;
    GameState& s = t.game.state;
    std::vector<testing::RecordingScreens::Hint>& shown = t.screens.hints;

    std::vector<std::string> ShownTitles() const {
        std::vector<std::string> titles;
        for (const auto& h : t.screens.hints) titles.push_back(h.title);
        return titles;
    }
    static std::string Title(int step) { return std::string(HintOfStep(step).title); }
    static std::string Text(int step) { return std::string(HintOfStep(step).text); }

    // Plays the whole chain in its natural order: rent, advance to $10,000,
    // visit each window, wait six months, sell, one more month.
    void WalkTheChain() {
        s.CurrentMonth = 1;
        s.Cash = 2000;
        HintWelcome(t.game);
        HintRented(t.game);
        for (double cash : {4000, 12000}) {
            s.CurrentMonth += 1;
            s.Cash = cash;
            MonthHints(t.game);
        }
        HintRealEstate(t.game);
        HintBanker(t.game);
        HintOurHome(t.game);
        for (int i = 0; i < 6; ++i) MonthHints(t.game);
        HintMortgage(t.game);
        HintViewProperties(t.game);
        HintImprove(t.game);
        HintHouseSeller(t.game);
        HintSellHouse(t.game);
        MonthHints(t.game);
    }

    std::vector<bool> Flags() const {
        return {s.HintWelcomeShown,     s.HintRentedShown,         s.HintNextMonthShown,
                s.HintSavedEnoughShown, s.HintRealEstateShown,     s.HintBankerShown,
                s.HintOurHomeShown,     s.HintSixMonthsShown,      s.HintMortgageShown,
                s.HintViewPropertiesShown, s.HintImproveShown,     s.HintHouseSellerShown,
                s.HintSellHouseShown,   s.HintCashFlowShown};
    }
};

TEST_F(HintsTest, WholeChainComesInOrderOnce) {
    WalkTheChain();
    std::vector<std::string> expected;
    for (int step = 1; step <= kChainSteps; ++step) expected.push_back(Title(step));
    EXPECT_EQ(ShownTitles(), expected);
    EXPECT_EQ(Flags(), std::vector<bool>(kChainSteps, true));

    // Every window again, and more months: nothing comes twice.
    const auto before = shown.size();
    WalkTheChain();
    for (int i = 0; i < 12; ++i) MonthHints(t.game);
    EXPECT_EQ(shown.size(), before);
}

TEST_F(HintsTest, HintsOffShowNothingYetTheChainAdvances) {
    SetHintsOff(t.game, true);
    WalkTheChain();
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Flags(), std::vector<bool>(kChainSteps, true));
    EXPECT_EQ(s.MonthsInOwnHome, 7);
}

TEST_F(HintsTest, FreshRunShowsTheWelcome) {
    ASSERT_FALSE(FileExists(t.records.RecordPath("Options")));
    HintWelcome(t.game);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Welcome to the Deedwell!");
    EXPECT_EQ(shown[0].text, Text(1));
    EXPECT_TRUE(s.HintWelcomeShown);
}

TEST_F(HintsTest, TickingThenUntickingStoresZeroAndKeepsHintsOn) {
    SetHintsOff(t.game, true);
    SetHintsOff(t.game, false);
    std::string content;
    ASSERT_TRUE(ReadWholeFile(t.records.RecordPath("Options"), content));
    EXPECT_EQ(content, "|||NoShow|||0\r\n");
    PresentHint(t.game, "T", "X");
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(HintsTest, OnlyAStoredOneSwitchesHintsOff) {
    const struct {
        const char* file;
        bool shows;
    } cases[] = {{"|||NoShow|||1\r\n", false},
                 {"|||NOSHOW|||1\r\n", false},
                 {"|||NAME|||x\r\n|||noshow|||1\r\n", false},
                 {"|||NoShow|||0\r\n", true},
                 {"|||NoShow|||\r\n", true},
                 {"|||Other|||1\r\n", true},
                 {"", true}};
    for (const auto& c : cases) {
        ASSERT_TRUE(ReplaceWholeFile(t.records.RecordPath("Options"), c.file));
        shown.clear();
        PresentHint(t.game, "T", "X");
        EXPECT_EQ(!shown.empty(), c.shows) << c.file;
    }
}

TEST_F(HintsTest, FirstMonthWithTenThousandGivesStepsThreeAndFour) {
    s.CurrentMonth = 2;
    s.Cash = 10000.4;
    MonthHints(t.game);
    EXPECT_EQ(ShownTitles(), (std::vector<std::string>{Title(3), Title(4)}));
    EXPECT_EQ(shown.back().title, "You now have enough money to purchase a home!")
        << "the window ends up showing step 4";
    EXPECT_TRUE(s.HintNextMonthShown);
    EXPECT_TRUE(s.HintSavedEnoughShown);
}

TEST_F(HintsTest, MonthStepsWaitForTheirConditions) {
    const struct {
        double month;
        double cash;
        bool step3;
        bool step4;
    } cases[] = {{3, 2000, false, false},
                 {2, 9999.99, true, false},  // whole dollars count
                 {5, 10000, false, true},
                 {1, 50000, false, true}};
    for (const auto& c : cases) {
        s = GameState{};
        shown.clear();
        s.CurrentMonth = c.month;
        s.Cash = c.cash;
        MonthHints(t.game);
        EXPECT_EQ(s.HintNextMonthShown, c.step3) << c.month << " " << c.cash;
        EXPECT_EQ(s.HintSavedEnoughShown, c.step4) << c.month << " " << c.cash;
        EXPECT_EQ(shown.size(), (c.step3 ? 1u : 0u) + (c.step4 ? 1u : 0u));
    }
}

TEST_F(HintsTest, BankerBeforeTheBrowserHintShowsNothing) {
    HintBanker(t.game);
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(s.HintBankerShown);

    s.HintSavedEnoughShown = true;
    HintRealEstate(t.game);
    HintBanker(t.game);  // the banker window opened again
    EXPECT_EQ(ShownTitles(), (std::vector<std::string>{Title(5), Title(6)}));
    EXPECT_TRUE(s.HintBankerShown);
}

TEST_F(HintsTest, WindowStepsNeedTheStepBefore) {
    const std::vector<std::function<void(Game&)>> steps{
        HintRealEstate, HintBanker,      HintOurHome,    HintMortgage,
        HintViewProperties, HintImprove, HintHouseSeller, HintSellHouse};
    for (const auto& step : steps) step(t.game);
    MonthHints(t.game);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Flags(), std::vector<bool>(kChainSteps, false));
    EXPECT_FALSE(s.MonthsInOwnHome.has_value()) << "months count only after step 7";
}

TEST_F(HintsTest, SixMonthsCountFromTheHomeWindowHint) {
    MonthHints(t.game);  // before step 7: not counted
    s.HintBankerShown = true;
    HintOurHome(t.game);
    EXPECT_EQ(s.MonthsInOwnHome, 0);
    for (int month = 1; month <= 5; ++month) MonthHints(t.game);
    EXPECT_FALSE(s.HintSixMonthsShown);
    MonthHints(t.game);
    EXPECT_TRUE(s.HintSixMonthsShown);
    EXPECT_EQ(shown.back().title, "You have owned your home for 6 months!");

    const auto count = shown.size();
    for (int month = 7; month <= 20; ++month) MonthHints(t.game);
    EXPECT_EQ(s.MonthsInOwnHome, 20);
    EXPECT_EQ(shown.size(), count);
}

TEST_F(HintsTest, RentWithHintsOffStillMarksTheFirstRent) {
    SetHintsOff(t.game, true);
    HintRented(t.game);
    EXPECT_TRUE(s.HintRentedShown);
    EXPECT_TRUE(shown.empty());

    SetHintsOff(t.game, false);
    HintRented(t.game);  // a second rent: no hint
    EXPECT_TRUE(shown.empty());
}

TEST_F(HintsTest, TextsAreTheGamesOwn) {
    EXPECT_EQ(Title(10), "View && Improve Your Home");
    EXPECT_EQ(Title(11), "Making Home Improvments");
    EXPECT_EQ(Title(14), "Looking at Cash Flow && Properties");
    EXPECT_EQ(Text(8),
              "You have owned your first home now for six months.  You must wait 6 months from "
              "the day you purchased before refinancing your home.  Now you can borrow "
              "additional money from the bank.  Click on the 'Banking && Loans' button now for "
              "further instructions.");
    EXPECT_EQ(Text(9).rfind("Borring money against the equity of your home is easy and "
                            "painless.  ",
                            0),
              0u);

    // The described middles sit between the quoted beginning and end.
    const std::string six = Text(6);
    EXPECT_EQ(six.rfind("You will need financing to purchase your new home.  ", 0), 0u);
    EXPECT_NE(six.find("20% of the asking price of the home to purchase.  Look for homes"),
              std::string::npos);
    EXPECT_TRUE(six.ends_with("check back often.  After purchasing your home, click on the "
                              "'My home && Utilities' button for further instructions."));
    EXPECT_TRUE(Text(11).ends_with("afford them yet.  Close this screen and click on the 'Visit "
                                   "The Realtor' button to continue further instructions."));
    EXPECT_TRUE(Text(14).ends_with("as you play.  For further instructions, read 'How to play' "
                                   "in the player's guide (the README file) that comes with "
                                   "the game."));

    for (int step = 1; step <= kChainSteps; ++step) {
        const std::string text = Text(step);
        EXPECT_EQ(text.find("http"), std::string::npos) << step;
        EXPECT_EQ(text.find("www"), std::string::npos) << step;
        EXPECT_EQ(text.find("   "), std::string::npos) << "sentence gaps are two spaces";
        EXPECT_NE(text.back(), ' ') << step;
    }
}

}  // namespace
}  // namespace deedwell
