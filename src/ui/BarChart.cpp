#include "ui/BarChart.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "common/Numbers.h"
#include "ui/Text.h"

namespace deedwell::ui {

namespace {
const QColor kPanel(0xff, 0xff, 0xff);
const QColor kFrame(0xcf, 0xd8, 0xd3);
const QColor kGrid(0xe3, 0xe9, 0xe6);
const QColor kInk(0x24, 0x3b, 0x35);
const QColor kMuted(0x6b, 0x7f, 0x79);
const QColor kBar(0x2f, 0x7d, 0x6d);
const QColor kBarNegative(0xb5, 0x4a, 0x3c);
}  // namespace

namespace {
// Four steps at most from the bottom of the axis to its top.
constexpr double kMostSteps = 4;
}  // namespace

double RoundStep(double value) {
    if (!(value > 0)) return 0;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 2.0, 5.0, 10.0}) {
        if (step * power >= value * (1 - 1e-12)) return step * power;
    }
    return 10 * power;
}

BarChart::BarChart(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BarChart::SetTitle(const QString& title) {
    title_ = title;
    update();
}

void BarChart::SetRows(std::vector<Bar> rows) {
    bars_ = std::move(rows);
    update();
}

void BarChart::SetColumn(int column, double value) {
    if (column < 1) return;
    if (bars_.size() < static_cast<std::size_t>(column))
        bars_.resize(static_cast<std::size_t>(column));
    bars_[static_cast<std::size_t>(column - 1)].value = value;
    update();
}

void BarChart::SetColumnLabels(const QStringList& labels) {
    if (bars_.size() < static_cast<std::size_t>(labels.size())) {
        bars_.resize(static_cast<std::size_t>(labels.size()));
    }
    for (qsizetype i = 0; i < labels.size(); ++i)
        bars_[static_cast<std::size_t>(i)].label = labels[i];
    update();
}

void BarChart::SetAxisFloor(double top) {
    axisFloor_ = top;
    update();
}

void BarChart::SetValueFormat(std::string pattern, QString suffix) {
    pattern_ = std::move(pattern);
    suffix_ = std::move(suffix);
    update();
}

double BarChart::AxisStep() const {
    double top = axisFloor_;
    double bottom = 0;
    for (const Bar& bar : bars_) {
        top = std::max(top, bar.value);
        bottom = std::min(bottom, bar.value);
    }
    const double step = RoundStep((top - bottom) / kMostSteps);
    return step > 0 ? step : 1;
}

double BarChart::AxisTop() const {
    double top = std::max(axisFloor_, 0.0);
    for (const Bar& bar : bars_) top = std::max(top, bar.value);
    const double step = AxisStep();
    return std::max(std::ceil(top / step - 1e-9), 1.0) * step;
}

double BarChart::AxisBottom() const {
    double bottom = 0;
    for (const Bar& bar : bars_) bottom = std::min(bottom, bar.value);
    const double step = AxisStep();
    return std::floor(bottom / step + 1e-9) * step;
}

QString BarChart::ValueText(double value) const {
    return Q(Format(value, pattern_)) + suffix_;
}

QSize BarChart::sizeHint() const {
    return {320, 180};
}
QSize BarChart::minimumSizeHint() const {
    return {160, 120};
}

void BarChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath card;
    card.addRoundedRect(whole, 8, 8);
    painter.fillPath(card, kPanel);
    painter.setPen(kFrame);
    painter.drawPath(card);

    QFont font = this->font();
    QFont titleFont = font;
    titleFont.setBold(true);
    const QFontMetrics metrics(font);
    const int line = metrics.height();

    // Title band, axis labels on the left, bar labels along the bottom.
    QRectF plot = whole.adjusted(8, 6, -10, -6);
    if (!title_.isEmpty()) {
        painter.setFont(titleFont);
        painter.setPen(kInk);
        painter.drawText(QRectF(plot.left(), plot.top(), plot.width(), line),
                         Qt::AlignHCenter | Qt::AlignVCenter, title_);
        plot.setTop(plot.top() + line + 4);
    }
    painter.setFont(font);

    const double top = AxisTop();
    const double bottom = AxisBottom();
    const QString topText = ValueText(top);
    const QString bottomText = ValueText(bottom);
    const int axisWidth =
        std::max(metrics.horizontalAdvance(topText), metrics.horizontalAdvance(bottomText)) + 6;
    plot.setLeft(plot.left() + axisWidth);
    plot.setBottom(plot.bottom() - line - 4);
    plot.setTop(plot.top() + line / 2.0 + line);  // room for the value over the tallest bar
    if (plot.height() < 10 || plot.width() < 10) return;

    auto yOf = [&](double v) {
        return plot.bottom() - (v - bottom) / (top - bottom) * plot.height();
    };

    // A grid line at every step of the axis.
    const double step = AxisStep();
    for (double v = bottom; v <= top + step / 2; v += step) {
        const double y = yOf(v);
        painter.setPen(kGrid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(kMuted);
        painter.drawText(QRectF(whole.left() + 4, y - line / 2.0, axisWidth, line),
                         Qt::AlignRight | Qt::AlignVCenter, ValueText(v));
    }
    painter.setPen(kMuted);
    painter.drawLine(QPointF(plot.left(), yOf(0)), QPointF(plot.right(), yOf(0)));

    if (bars_.empty()) return;
    const double slot = plot.width() / static_cast<double>(bars_.size());
    const double barWidth = std::min(slot * 0.6, 72.0);
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        const Bar& bar = bars_[i];
        const double centre = plot.left() + slot * (static_cast<double>(i) + 0.5);
        const double y0 = yOf(0);
        const double y1 = yOf(bar.value);
        QRectF rectBar(centre - barWidth / 2, std::min(y0, y1), barWidth, std::abs(y1 - y0));
        QPainterPath barPath;
        barPath.addRoundedRect(rectBar, 3, 3);
        painter.fillPath(barPath, bar.value < 0 ? kBarNegative : kBar);

        painter.setPen(kInk);
        const QString valueText = ValueText(bar.value);
        painter.drawText(QRectF(centre - slot / 2, std::min(y0, y1) - line - 2, slot, line),
                         Qt::AlignHCenter | Qt::AlignBottom, valueText);
        painter.setPen(kMuted);
        painter.drawText(QRectF(centre - slot / 2, plot.bottom() + 3, slot, line),
                         Qt::AlignHCenter | Qt::AlignTop, bar.label);
    }
}

}  // namespace deedwell::ui
