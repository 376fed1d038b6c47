#include <gtest/gtest.h>

#include <string>

#include "state/NewGame.h"
#include "support/Fakes.h"

namespace deedwell {
namespace {

using testing::TestGame;

std::string DefaultFile(const TestGame& t) {
    std::string content;
    ReadWholeFile(t.records.RecordPath("default"), content);
    return content;
}

NewGameChoices Robin() {
    NewGameChoices c;
    c.name = "Robin";
    c.age = "30";
    return c;
}

TEST(NewGameTest, FirstRunLoadsEmptyBoxesAndSetsTheDefaults) {
    TestGame t;
    const NewGameLoadValues loaded = NewGameLoad(t.game);
    EXPECT_EQ(loaded.name, "");
    EXPECT_EQ(loaded.age, "");
    EXPECT_EQ(t.game.state.HouseCatCount, 8);
    EXPECT_EQ(t.game.state.RentDemand, 6);
}

TEST(NewGameTest, UntouchedWindowStartsTheDefaultLife) {
    TestGame t;
    t.clock.year = 2031;
    NewGameLoad(t.game);
    EXPECT_EQ(StartYourLife(t.game, Robin()), std::nullopt);
    const GameState& s = t.game.state;
    EXPECT_EQ(s.MonthlyIncome, "1500");
    EXPECT_EQ(s.Cash, 2000);
    EXPECT_EQ(s.PlayerName, "Robin");
    EXPECT_EQ(s.PlayerAge, "30");
    EXPECT_EQ(s.CurrentYear, 2031);
    EXPECT_EQ(s.CurrentMonth, 1);
    EXPECT_EQ(s.HasHome, "NO");
    EXPECT_EQ(s.NetWorthGoal, "1000000");
    EXPECT_EQ(s.GoalYears, 25);
    EXPECT_EQ(s.RentDemand, 6);
    EXPECT_TRUE(t.dialogs.shown.empty());

    // The record keeps the keys in the order written, and the next load reads them.
    EXPECT_EQ(DefaultFile(t), "|||DATE|||date\r\n|||AGE|||30\r\n|||NAME|||Robin\r\n");
    const NewGameLoadValues loaded = NewGameLoad(t.game);
    EXPECT_EQ(loaded.name, "Robin");
    EXPECT_EQ(loaded.age, "30");
}

TEST(NewGameTest, EmptyNameLeavesTheRememberedName) {
    TestGame t;
    ASSERT_EQ(StartYourLife(t.game, Robin()), std::nullopt);
    NewGameChoices c;
    c.age = "44";
    ASSERT_EQ(StartYourLife(t.game, c), std::nullopt);
    EXPECT_EQ(t.game.state.PlayerName, "");
    EXPECT_EQ(DefaultFile(t), "|||NAME|||Robin\r\n|||DATE|||date\r\n|||AGE|||44\r\n");
}

TEST(NewGameTest, ListsAndSliderMapToTheirValues) {
    const char* goals[] = {"100000",  "250000",  "500000",  "750000",
                           "1000000", "1500000", "2000000", "2500000"};
    for (int i = 0; i < 8; ++i) {
        TestGame t;
        NewGameChoices c = Robin();
        c.goalIndex = i;
        c.incomeIndex = i;
        ASSERT_EQ(StartYourLife(t.game, c), std::nullopt);
        EXPECT_EQ(t.game.state.NetWorthGoal, goals[i]);
        EXPECT_EQ(t.game.state.MonthlyIncome, kIncomeOptions[static_cast<std::size_t>(i)].amount);
    }
    for (int i = 0; i < 12; ++i) {
        TestGame t;
        NewGameChoices c = Robin();
        c.planIndex = i;
        ASSERT_EQ(StartYourLife(t.game, c), std::nullopt);
        EXPECT_EQ(t.game.state.GoalYears, 5 * (i + 1));
    }
    const std::pair<const char*, double> slider[] = {{"Bad Housing Market", 8},
                                                     {"Average Steady Market", 6},
                                                     {"Growing Housing Market", 4},
                                                     {"New Local Military Base", 2}};
    for (int value = 1; value <= 4; ++value) {
        TestGame t;
        NewGameChoices c = Robin();
        c.slider = value;
        ASSERT_EQ(StartYourLife(t.game, c), std::nullopt);
        EXPECT_EQ(RentLabel(value), slider[value - 1].first);
        EXPECT_EQ(t.game.state.RentDemand, slider[value - 1].second);
    }
}

enum class Box { Age, Goal, Years };

struct BoxCase {
    Box box;
    const char* input;
    bool accepted;
    const char* stored;  // PlayerAge, NetWorthGoal or GoalYears as text
};

TEST(NewGameTest, BoxesInUseAreCheckedBeforeAnythingChanges) {
    const BoxCase cases[] = {
        {Box::Age, "", false, ""},
        {Box::Age, "abc", false, ""},
        {Box::Age, "0", false, ""},
        {Box::Age, "121", false, ""},
        {Box::Age, "18.5", false, ""},
        {Box::Age, "-5", false, ""},
        {Box::Age, "$18", false, ""},
        {Box::Age, "1", true, "1"},
        {Box::Age, "120", true, "120"},
        {Box::Goal, "50,000", true, "50000"},
        {Box::Goal, "50000.5", true, "50001"},
        {Box::Goal, "$1,000,000", true, "1000000"},
        {Box::Goal, "999,999,999,999", true, "999999999999"},
        {Box::Goal, "1,000,000,000,000", false, ""},
        {Box::Goal, "0", false, ""},
        {Box::Goal, "0.4", false, ""},
        {Box::Goal, "-3", false, ""},
        {Box::Goal, "abc", false, ""},
        {Box::Goal, "", false, ""},
        {Box::Years, "7.9", true, "7"},
        {Box::Years, "1", true, "1"},
        {Box::Years, "100.5", true, "100"},
        {Box::Years, "101", false, ""},
        {Box::Years, "0.5", false, ""},
        {Box::Years, "-3", false, ""},
        {Box::Years, "abc", false, ""},
        {Box::Years, "", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        TestGame t;
        InitDefaults(t.game.state);
        NewGameChoices choices = Robin();
        if (c.box == Box::Age) choices.age = c.input;
        if (c.box == Box::Goal) {
            choices.goalTicked = true;
            choices.goalBox = c.input;
        }
        if (c.box == Box::Years) {
            choices.planTicked = true;
            choices.planBox = c.input;
        }
        const auto refusal = StartYourLife(t.game, choices);
        const GameState& s = t.game.state;
        if (!c.accepted) {
            const std::string_view expected = c.box == Box::Age    ? kBadAgeMessage
                                              : c.box == Box::Goal ? kBadGoalMessage
                                                                   : kBadYearsMessage;
            EXPECT_EQ(refusal, std::string(expected));
            EXPECT_EQ(t.dialogs.Texts(), std::vector<std::string>{std::string(expected)});
            EXPECT_FALSE(s.Cash.has_value());
            EXPECT_EQ(s.HasHome, "");
            EXPECT_EQ(s.NetWorthGoal, "");
            EXPECT_FALSE(FileExists(t.records.RecordPath("default")));
            continue;
        }
        EXPECT_EQ(refusal, std::nullopt);
        EXPECT_TRUE(t.dialogs.shown.empty());
        const std::string stored = c.box == Box::Age ? s.PlayerAge
                                   : c.box == Box::Goal
                                       ? s.NetWorthGoal
                                       : std::to_string(static_cast<int>(s.GoalYears));
        EXPECT_EQ(stored, c.stored);
    }
}

TEST(NewGameTest, UntickedBoxesAreNotChecked) {
    TestGame t;
    NewGameChoices c = Robin();
    c.goalBox = "abc";
    c.planBox = "-3";
    EXPECT_EQ(StartYourLife(t.game, c), std::nullopt);
    EXPECT_EQ(t.game.state.NetWorthGoal, "1000000");
    EXPECT_EQ(t.game.state.GoalYears, 25);
}

}  // namespace
}  // namespace deedwell
