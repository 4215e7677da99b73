// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartView.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QColor PanelGrey(234, 234, 234);
const QColor AxisLineColour(64, 64, 64);
const QColor GridColour(169, 169, 169);
const QColor SeriesColour(255, 0, 0);
const QColor LegendShadowColour(128, 128, 128);
const QString ChartFontFamily = QStringLiteral("Verdana");
// 8 points at 96 pixels per inch.
constexpr int ChartFontPixelSize = 11;
constexpr int LegendShadowOffset = 3;

QBrush bottomToTopGradient(bool greyUpToMiddle) {
    // The brush is laid over whatever rectangle it fills: 0 is the bottom
    // edge, 1 the top edge.
    QLinearGradient gradient(0.0, 1.0, 0.0, 0.0);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0.0, PanelGrey);
    if (greyUpToMiddle)
        gradient.setColorAt(0.5, PanelGrey);
    gradient.setColorAt(1.0, Qt::white);
    return QBrush(gradient);
}

// The legend box with an opaque drop shadow.
class ShadowLegend : public QCPLegend {
protected:
    void draw(QCPPainter* painter) override {
        painter->fillRect(mOuterRect.translated(LegendShadowOffset, LegendShadowOffset),
                          LegendShadowColour);
        QCPLegend::draw(painter);
    }
};

void styleAxis(QCPAxis* axis, const QFont& font) {
    axis->setBasePen(QPen(AxisLineColour, 0));
    axis->setTickPen(QPen(GridColour, 0));
    axis->setSubTickPen(QPen(GridColour, 0));
    axis->grid()->setPen(QPen(GridColour, 0, Qt::DotLine));
    axis->setTickLabelFont(font);
    axis->setLabelFont(font);
    axis->setSelectedTickLabelFont(font);
    axis->setSelectedLabelFont(font);
}

// Widens [lower, upper] so that marginPixels at either end fall outside it on
// an axis lengthPixels long.
QCPRange withPixelMargins(QCPRange range, double marginPixels, double lengthPixels) {
    if (!(range.size() > QCPRange::minRange) ||
        !std::isfinite(range.size())) { // a single value: centre it
        const double half = range.lower != 0 ? std::abs(range.lower) * 0.1 : 1.0;
        return {range.lower - half, range.upper + half};
    }
    const double usable = std::max(lengthPixels - 2 * marginPixels, marginPixels);
    const double pad = range.size() * marginPixels / usable;
    return {range.lower - pad, range.upper + pad};
}

} // namespace

// -- LineSeries -------------------------------------------------------------

// An infinite y (a conversion may yield one) stays a point of the series, so
// the count and the order of the points are those of the walk. QCustomPlot
// would take an infinity into the value axis' range, which then can no longer
// be scaled or drawn, while it draws a NaN as a gap in the line and leaves it
// out of the axis scaling. So the graph holds a NaN in its place, one that
// carries the infinity's sign and a payload of its own (drawnValue);
// storedValue turns it back into the infinity, and a NaN added as such still
// reads back as a NaN.
double LineSeries::storedValue(double drawn) {
    const auto bits = std::bit_cast<std::uint64_t>(drawn);
    if ((bits & ~SignBit) != InfinityMarkBits)
        return drawn;
    return (bits & SignBit) != 0 ? -HUGE_VAL : HUGE_VAL;
}

LineSeries::LineSeries(ChartView& chart)
    : chart_(chart), graph_(chart.addGraph(chart.xAxis, chart.yAxis)) {
    graph_->setName(QStringLiteral("Curve"));
    graph_->setPen(QPen(SeriesColour, 1));
    graph_->setLineStyle(QCPGraph::lsLine);
    graph_->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(SeriesColour, 1),
                                            QBrush(SeriesColour), ChartView::MarkerSize));
}

void LineSeries::Clear() {
    graph_->data()->clear();
    haveKeys_ = haveValues_ = false;
    chart_.scheduleRedraw();
}

QString LineSeries::title() const { return graph_->name(); }

int LineSeries::count() const { return graph_->dataCount(); }

ChartPoint LineSeries::point(int index) const {
    const auto it = graph_->data()->at(index);
    return {it->key, storedValue(it->value)};
}

// -- LineSeries::Batch ------------------------------------------------------

LineSeries::Batch::Batch(LineSeries& series) : series_(series) { restart(); }

LineSeries::Batch::~Batch() { commit(); }

void LineSeries::Batch::restart() {
    points_ = {};
    minX_ = minY_ = std::numeric_limits<double>::infinity();
    maxX_ = maxY_ = -std::numeric_limits<double>::infinity();
    sorted_ = true;
}

void LineSeries::Batch::commit() {
    if (points_.isEmpty())
        return;
    // A point whose x is below earlier ones goes before them; among equal x
    // the earlier point stays first.
    if (!sorted_)
        std::stable_sort(points_.begin(), points_.end(), qcpLessThanSortKey<QCPGraphData>);
    // Into an empty series the buffer is taken over as it is, without a copy.
    series_.graph_->data()->add(points_, true);

    const QCPRange keys(minX_, maxX_);
    if (series_.haveKeys_) {
        series_.keys_.expand(keys);
    } else {
        series_.keys_ = keys;
        series_.haveKeys_ = true;
    }
    if (minY_ <= maxY_) {
        const QCPRange values(minY_, maxY_);
        if (series_.haveValues_)
            series_.values_.expand(values);
        else
            series_.values_ = values;
        series_.haveValues_ = true;
    }
    restart();
    series_.chart_.scheduleRedraw();
}

// -- ChartView --------------------------------------------------------------

ChartView::ChartView(QWidget* parent) : QCustomPlot(parent), series_(*this) {
    QFont font(ChartFontFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(ChartFontPixelSize);
    setFont(font);

    setBackground(bottomToTopGradient(true));
    axisRect()->setBackground(bottomToTopGradient(false));

    for (QCPAxis* axis : axisRect()->axes())
        styleAxis(axis, font);
    xAxis->setLabel(QStringLiteral("X AXIS"));
    yAxis->setLabel(QStringLiteral("Y AXIS"));
    xAxis->setRange(0, 1);
    yAxis->setRange(0, 1);

    // The legend sits right of the plot area, level with its top, so it can
    // never hide a part of the curve.
    axisRect()->insetLayout()->take(legend);
    QCPLegend* defaultLegend = legend;
    auto* shadowLegend = new ShadowLegend;
    auto* legendColumn = new QCPLayoutGrid;
    plotLayout()->addElement(0, 1, legendColumn);
    legendColumn->addElement(0, 0, shadowLegend);
    legendColumn->addElement(1, 0, new QCPLayoutElement(this));
    legendColumn->setRowStretchFactor(0, 0.001);
    legendColumn->setMargins(QMargins(0, 12, 12 + LegendShadowOffset, 0));
    plotLayout()->setColumnStretchFactor(1, 0.001);
    delete defaultLegend; // clears the legend pointer
    legend = shadowLegend;
    legend->setLayer(QStringLiteral("legend"));
    legend->setFont(font);
    legend->setSelectedFont(font);
    legend->setBorderPen(QPen(Qt::black, 0));
    legend->setVisible(true);
    legend->addItem(new QCPPlottableLegendItem(legend, series_.graph()));
    legendColumn->setMinimumMargins(QMargins(0, 0, 0, 0));
    legendColumn->setAutoMargins(QCP::msNone);
    // Keep the plot area's top and bottom edges where they would be without
    // the legend column.
    auto* group = new QCPMarginGroup(this);
    axisRect()->setMarginGroup(QCP::msTop | QCP::msBottom, group);
}

ChartView::~ChartView() = default;

void ChartView::setLeftAxisTitle(const QString& text) {
    yAxis->setLabel(text);
    scheduleRedraw();
}

void ChartView::setBottomAxisTitle(const QString& text) {
    xAxis->setLabel(text);
    scheduleRedraw();
}

QString ChartView::leftAxisTitle() const { return yAxis->label(); }

QString ChartView::bottomAxisTitle() const { return xAxis->label(); }

void ChartView::scheduleRedraw() { replot(rpQueuedReplot); }

bool ChartView::applyAxisRanges() {
    // Room for a whole marker and its outline beyond the outermost points.
    const double margin = MarkerSize / 2 + 2;
    const QCPRange keys = series_.haveKeys_
                              ? withPixelMargins(series_.keys_, margin, axisRect()->width())
                              : QCPRange(0, 1);
    const QCPRange values = series_.haveValues_
                                ? withPixelMargins(series_.values_, margin, axisRect()->height())
                                : QCPRange(0, 1);
    const QCPRange oldKeys = xAxis->range();
    const QCPRange oldValues = yAxis->range();
    xAxis->setRange(keys);
    yAxis->setRange(values);
    return xAxis->range() != oldKeys || yAxis->range() != oldValues;
}

void ChartView::updateLayout() {
    // The margins depend on the plot area's size, which depends on the tick
    // labels of the ranges: lay out, scale, and lay out again when the
    // ranges moved.
    QCustomPlot::updateLayout();
    if (applyAxisRanges())
        QCustomPlot::updateLayout();
}
