#include "state/NewGame.h"

#include <cstddef>

#include "common/Numbers.h"

namespace deedwell {

namespace {

template <typename List>
std::size_t PickOr(int index, const List& list, int fallback) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) index = fallback;
    return static_cast<std::size_t>(index);
}

int SliderOr(int value) {
    return value >= 1 && value <= 4 ? value : kDefaultSlider;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Only plain digits make an age: "18", not "$18", "1e1" or "18.5".
bool AgeIsValid(std::string_view typed) {
    const std::string_view age = Trim(typed);
    if (age.empty() || age.size() > 3) return false;
    for (char c : age) {
        if (c < '0' || c > '9') return false;
    }
    const double years = NumberOf(age);
    return years >= 1 && years <= 120;
}

// The goal as the game keeps it: the box's number with "#", digits only.
std::string GoalText(std::string_view box) {
    return Format(box, "#");
}

bool GoalIsValid(const std::string& goal) {
    const auto value = ParseNumber(goal);
    return value && *value == Int(*value) && *value >= 1 && *value <= 999999999999.0;
}

std::optional<double> CustomYears(std::string_view box) {
    const auto value = ParseNumber(box);
    if (!value) return std::nullopt;
    const double years = Int(*value);
    if (years < 1 || years > 100) return std::nullopt;
    return years;
}

std::string WithoutNetworth(std::string_view item) {
    std::string text(item);
    const std::string_view word = " Networth";
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word)) {
        text.erase(at, word.size());
    }
    return text;
}

std::optional<std::string> Refuse(Game& game, std::string_view message) {
    std::string text(message);
    game.dialogs.ShowMessage(text);
    return text;
}

}  // namespace

std::string RentLabel(int sliderValue) {
    if (sliderValue < 1 || sliderValue > 4) return "";
    return std::string(kRentLabels[static_cast<std::size_t>(sliderValue) - 1]);
}

double RentDemandFor(int sliderValue) {
    return 10 - 2 * static_cast<double>(sliderValue);
}

NewGameLoadValues NewGameLoad(Game& game) {
    InitDefaults(game.state);
    return {game.records.ReadRecordValue("NAME", "default"),
            game.records.ReadRecordValue("AGE", "default")};
}

std::optional<std::string> StartYourLife(Game& game, const NewGameChoices& choices) {
    // Every box that is used is checked before anything changes.
    if (!AgeIsValid(choices.age)) return Refuse(game, kBadAgeMessage);
    const std::string customGoal = choices.goalTicked ? GoalText(choices.goalBox) : "";
    if (choices.goalTicked && !GoalIsValid(customGoal)) return Refuse(game, kBadGoalMessage);
    const auto customYears = choices.planTicked ? CustomYears(choices.planBox) : std::nullopt;
    if (choices.planTicked && !customYears) return Refuse(game, kBadYearsMessage);

    GameState& s = game.state;
    s.MonthlyIncome =
        kIncomeOptions[PickOr(choices.incomeIndex, kIncomeOptions, kDefaultIncomeIndex)].amount;
    s.Cash = 2000;
    s.PlayerName = choices.name;
    s.PlayerAge = choices.age;
    s.CurrentYear = game.clock.Year();
    s.CurrentMonth = 1;
    s.HasHome = "NO";
    game.records.WriteRecordValue("DATE", "default", "date");
    game.records.WriteRecordValue("AGE", "default", choices.age);
    game.records.WriteRecordValue("NAME", "default", choices.name);

    std::string goal = GoalText(
        WithoutNetworth(kGoalList[PickOr(choices.goalIndex, kGoalList, kDefaultGoalIndex)]));
    s.RentDemand = RentDemandFor(SliderOr(choices.slider));
    if (choices.goalTicked) goal = customGoal;
    s.NetWorthGoal = goal;

    const std::string_view plan =
        kPlanList[PickOr(choices.planIndex, kPlanList, kDefaultPlanIndex)];
    s.GoalYears = Int(NumberOf(plan.substr(0, 2)));
    if (customYears) s.GoalYears = *customYears;
    return std::nullopt;
}

}  // namespace deedwell
