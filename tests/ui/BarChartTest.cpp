// The bar chart's axis and the two ways it is fed.

#include <gtest/gtest.h>

#include "ui/BarChart.h"

namespace deedwell::testing {
namespace {

using ui::BarChart;

TEST(BarChart, StepsAreOneTwoOrFiveTimesAPowerOfTen) {
    const std::pair<double, double> cases[] = {
        {0, 0},   {-5, 0},    {1.25, 2},         {5, 5},     {7, 10},
        {25, 50}, {101, 200}, {13000.25, 20000}, {0.3, 0.5}, {60000, 100000}};
    for (auto [value, expected] : cases) EXPECT_DOUBLE_EQ(ui::RoundStep(value), expected) << value;
}

TEST(BarChart, GoalChartsReachAtLeastAHundred) {
    BarChart chart;
    chart.SetColumnLabels({"Net Worth", "Goal"});
    chart.SetAxisFloor(100);
    chart.SetColumn(1, 37.5);
    chart.SetColumn(2, 100);
    EXPECT_EQ(chart.BarCount(), 2);
    EXPECT_EQ(chart.BarAt(0).label.toStdString(), "Net Worth");
    EXPECT_DOUBLE_EQ(chart.AxisTop(), 100);
    EXPECT_DOUBLE_EQ(chart.AxisStep(), 50);

    chart.SetColumn(1, 240);  // beyond the goal
    EXPECT_DOUBLE_EQ(chart.AxisTop(), 300);
    EXPECT_DOUBLE_EQ(chart.AxisBottom(), 0);
}

TEST(BarChart, RowsReplaceEveryBarAndNegativeValuesGrowTheAxisDownwards) {
    BarChart chart;
    chart.SetRows({{"NONE", 5}, {"2028", 52001}, {"2029", -3000}});
    ASSERT_EQ(chart.BarCount(), 3);
    EXPECT_EQ(chart.BarAt(1).label.toStdString(), "2028");
    EXPECT_DOUBLE_EQ(chart.AxisStep(), 20000);
    EXPECT_DOUBLE_EQ(chart.AxisTop(), 60000);
    EXPECT_DOUBLE_EQ(chart.AxisBottom(), -20000);

    chart.SetRows({{"NONE", 5}});
    EXPECT_EQ(chart.BarCount(), 1);
    EXPECT_DOUBLE_EQ(chart.AxisBottom(), 0);
    EXPECT_DOUBLE_EQ(chart.AxisTop(), 6);  // 0, 2, 4, 6

    chart.SetRows({});  // nothing to show still draws an axis
    EXPECT_DOUBLE_EQ(chart.AxisTop(), 1);
}

TEST(BarChart, ColumnsBelowOneAreIgnored) {
    BarChart chart;
    chart.SetColumn(0, 50);
    chart.SetColumn(-1, 50);
    EXPECT_EQ(chart.BarCount(), 0);
    chart.SetColumn(2, 25);
    EXPECT_EQ(chart.BarCount(), 2);
    EXPECT_DOUBLE_EQ(chart.BarAt(0).value, 0);
}

}  // namespace
}  // namespace deedwell::testing
