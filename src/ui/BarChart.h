#pragma once
// The game's bar chart: a handful of bars, each with a label under it and its
// value over it, painted by hand.
//
// Two ways to feed it, as the game's charts need: whole rows (label and
// value, the year chart), or a value per column by column number (the goal
// and plan charts, whose columns keep fixed labels). The value axis runs from
// 0 (or the lowest negative value) to at least the largest value, and to at
// least a floor that a chart may set (100 for the goal charts), rounded up to
// a tidy number.

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

namespace deedwell::ui {

class BarChart : public QWidget {
    Q_OBJECT

  public:
    explicit BarChart(QWidget* parent = nullptr);

    struct Bar {
        QString label;
        double value = 0;
    };

    void SetTitle(const QString& title);
    QString Title() const { return title_; }

    // Replaces every bar.
    void SetRows(std::vector<Bar> rows);

    // Sets the value of column `column` (1-based), adding columns as needed.
    void SetColumn(int column, double value);
    void SetColumnLabels(const QStringList& labels);

    // The axis reaches at least `top`.
    void SetAxisFloor(double top);

    // How values are written over the bars: a display pattern ("$#,##0")
    // and a suffix ("%").
    void SetValueFormat(std::string pattern, QString suffix = {});

    int BarCount() const { return static_cast<int>(bars_.size()); }
    const Bar& BarAt(int index) const { return bars_.at(static_cast<std::size_t>(index)); }
    // The value axis as drawn: from AxisBottom to AxisTop in steps of AxisStep.
    double AxisStep() const;
    double AxisTop() const;
    double AxisBottom() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString ValueText(double value) const;

    QString title_;
    std::vector<Bar> bars_;
    double axisFloor_ = 0;
    std::string pattern_ = "#,##0";
    QString suffix_;
};

// The smallest of 1, 2 or 5 times a power of ten that is at least `value`
// (0 for 0 or less): the step between the axis's grid lines.
double RoundStep(double value);

}  // namespace deedwell::ui
