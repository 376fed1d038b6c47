// The new-game window: what it shows before the player touches it, what the
// controls hand to the game, and refusals that keep it open.

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>

#include "UiFixture.h"
#include "ui/Addons.h"
#include "ui/NewGame.h"

namespace deedwell::testing {
namespace {

using ui::Addons;
using ui::NewGame;

std::string LineText(QWidget* window, const char* name) {
    auto* box = Control<QLineEdit>(window, name);
    return box ? box->text().toStdString() : "<missing>";
}

void Type(QWidget* window, const char* name, const QString& text) {
    auto* box = Control<QLineEdit>(window, name);
    box->clear();
    QTest::keyClicks(box, text);
}

TEST(NewGameWindow, OpensWithTheDefaultsAndNoRememberedPlayer) {
    UiGame g;
    NewGame* window = g.registry.ShowUnlessShowing<NewGame>();

    EXPECT_EQ(window->windowTitle().toStdString(), "Tarnwick Game");
    // The design-time name and age give way to the (missing) remembered ones.
    EXPECT_EQ(LineText(window, "Text1"), "");
    EXPECT_EQ(LineText(window, "Text2"), "");
    EXPECT_EQ(LineText(window, "GoalBox"), "50,000");
    EXPECT_EQ(LineText(window, "PlanBox"), "50");
    EXPECT_FALSE(Control<QCheckBox>(window, "Goal")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(window, "PlanCheck")->isChecked());

    const char* captions[] = {"$900",  "$1100", "$1300", "$1500",
                              "$1700", "$1900", "$2800", "$4800"};
    for (int i = 0; i < 8; ++i) {
        const std::string name = "DiffLevel_" + std::to_string(i);
        auto* option = Control<QRadioButton>(window, name.c_str());
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->text().toStdString(), std::string(captions[i]) + " Monthly Savings");
        EXPECT_EQ(option->isChecked(), i == 3) << name;
    }
    auto* goals = Control<QListWidget>(window, "GoalList");
    auto* plans = Control<QListWidget>(window, "Planlist");
    EXPECT_EQ(goals->count(), 8);
    EXPECT_EQ(goals->currentItem()->text().toStdString(), "$1,000,000 Networth");
    EXPECT_EQ(plans->count(), 12);
    EXPECT_EQ(plans->currentItem()->text().toStdString(), "25 Year Plan");
    EXPECT_EQ(Control<QSlider>(window, "RentDemand")->value(), 2);
    EXPECT_EQ(TextOf(window, "RentLabel"), "Average Steady Market");
    EXPECT_EQ(Control<QPushButton>(window, "Command1")->text().toStdString(), "START YOUR LIFE");
}

TEST(NewGameWindow, ShowsTheLastPlayersNameAndAge) {
    UiGame g;
    g.shell.records.WriteRecordValue("NAME", "default", "Robin");
    g.shell.records.WriteRecordValue("AGE", "default", "33");
    NewGame* window = g.registry.ShowUnlessShowing<NewGame>();
    EXPECT_EQ(LineText(window, "Text1"), "Robin");
    EXPECT_EQ(LineText(window, "Text2"), "33");
}

TEST(NewGameWindow, IncomeOptionsAreOneExclusiveGroup) {
    UiGame g;
    NewGame* window = g.registry.ShowUnlessShowing<NewGame>();
    QTest::mouseClick(Control<QRadioButton>(window, "DiffLevel_6"), Qt::LeftButton);
    EXPECT_TRUE(Control<QRadioButton>(window, "DiffLevel_6")->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(window, "DiffLevel_3")->isChecked());
    EXPECT_EQ(window->Choices().incomeIndex, 6);
}

TEST(NewGameWindow, TheSliderNamesTheHousingMarket) {
    UiGame g;
    NewGame* window = g.registry.ShowUnlessShowing<NewGame>();
    auto* slider = Control<QSlider>(window, "RentDemand");
    const std::pair<int, const char*> cases[] = {{1, "Bad Housing Market"},
                                                 {3, "Growing Housing Market"},
                                                 {4, "New Local Military Base"},
                                                 {2, "Average Steady Market"}};
    for (auto [value, label] : cases) {
        slider->setValue(value);
        EXPECT_EQ(TextOf(window, "RentLabel"), label) << value;
    }
}

TEST(NewGameWindow, StartHandsTheChoicesOverAndOpensTheChooser) {
    UiGame g;
    NewGame* window = g.registry.ShowUnlessShowing<NewGame>();
    Type(window, "Text1", "Robin");
    Type(window, "Text2", "30");
    QTest::mouseClick(Control<QRadioButton>(window, "DiffLevel_0"), Qt::LeftButton);
    Control<QListWidget>(window, "GoalList")->setCurrentRow(1);
    Control<QCheckBox>(window, "PlanCheck")->setChecked(true);
    Type(window, "PlanBox", "7.9");
    Control<QSlider>(window, "RentDemand")->setValue(4);

    Click(window, "Command1");

    EXPECT_FALSE(g.registry.IsShowing<NewGame>());
    EXPECT_TRUE(g.registry.IsShowing<Addons>());
    EXPECT_EQ(g.endRequests, 0);
    const GameState& s = g.game.state;
    EXPECT_EQ(s.PlayerName, "Robin");
    EXPECT_EQ(s.PlayerAge, "30");
    EXPECT_EQ(s.MonthlyIncome, "900");
    EXPECT_EQ(s.Cash, 2000);
    EXPECT_EQ(s.NetWorthGoal, "250000");
    EXPECT_EQ(s.GoalYears, 7);
    EXPECT_EQ(s.RentDemand, 2);
    EXPECT_EQ(g.shell.records.ReadRecordValue("NAME", "default"), "Robin");
}

// Each bad box is refused with the player told why; the window stays and
// nothing of the game changes.
TEST(NewGameWindow, BadBoxesKeepTheWindowOpen) {
    struct Case {
        const char* age;
        bool goalTicked;
        const char* goal;
        bool planTicked;
        const char* plan;
    };
    const Case cases[] = {
        {"", false, "50,000", false, "50"},   {"abc", false, "50,000", false, "50"},
        {"0", false, "50,000", false, "50"},  {"121", false, "50,000", false, "50"},
        {"30", true, "0", false, "50"},       {"30", true, "abc", false, "50"},
        {"30", false, "50,000", true, "0"},   {"30", false, "50,000", true, "-3"},
        {"30", false, "50,000", true, "abc"},
    };
    for (const Case& c : cases) {
        UiGame g;
        NewGame* window = g.registry.ShowUnlessShowing<NewGame>();
        Type(window, "Text1", "Robin");
        Type(window, "Text2", c.age);
        Control<QCheckBox>(window, "Goal")->setChecked(c.goalTicked);
        Type(window, "GoalBox", c.goal);
        Control<QCheckBox>(window, "PlanCheck")->setChecked(c.planTicked);
        Type(window, "PlanBox", c.plan);

        Click(window, "Command1");

        const std::string label =
            std::string("age '") + c.age + "' goal '" + c.goal + "' plan '" + c.plan + "'";
        EXPECT_TRUE(g.registry.IsShowing<NewGame>()) << label;
        EXPECT_FALSE(g.registry.IsShowing<Addons>()) << label;
        ASSERT_EQ(g.shell.dialogs.shown.size(), 1u) << label;
        EXPECT_EQ(g.shell.dialogs.shown[0].kind, "message") << label;
        EXPECT_FALSE(g.game.state.Cash.has_value()) << label;
        EXPECT_EQ(g.shell.records.ReadRecordValue("NAME", "default"), "") << label;
        EXPECT_EQ(g.endRequests, 0) << label;
    }
}

}  // namespace
}  // namespace deedwell::testing
