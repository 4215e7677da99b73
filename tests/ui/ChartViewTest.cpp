// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of the parameter curve on its own: batches, order, infinities,
// scaling and redraws.
#include "ChartView.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <vector>

void PrintTo(const ChartPoint& p, std::ostream* os) { *os << '(' << p.x << ", " << p.y << ')'; }

namespace {

class ChartViewTest : public ::testing::Test {
protected:
    ChartViewTest() {
        chart.resize(759, 514);
        chart.show();
        QCoreApplication::processEvents();
    }

    std::vector<ChartPoint> points() const {
        std::vector<ChartPoint> result;
        for (int i = 0; i < chart.series().count(); ++i)
            result.push_back(chart.series().point(i));
        return result;
    }

    void load(std::initializer_list<ChartPoint> list) {
        LineSeries::Batch batch(chart.series());
        for (const auto& p : list)
            batch.add(p.x, p.y);
    }

    void redraw() {
        chart.replot();
        QCoreApplication::processEvents();
    }

    ChartView chart;
};


TEST_F(ChartViewTest, StartsEmptyWithPlaceholderTitlesAndOneLegendEntry) {
    EXPECT_EQ(chart.series().count(), 0);
    EXPECT_EQ(chart.bottomAxisTitle(), "X AXIS");
    EXPECT_EQ(chart.leftAxisTitle(), "Y AXIS");
    ASSERT_EQ(chart.legend->itemCount(), 1);
    auto* item = qobject_cast<QCPPlottableLegendItem*>(chart.legend->item(0));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->plottable()->name(), "Curve");
    EXPECT_EQ(chart.series().graph()->keyAxis(), chart.xAxis);
    EXPECT_EQ(chart.series().graph()->valueAxis(), chart.yAxis);
}

TEST_F(ChartViewTest, BatchReachesTheSeriesOnlyWhenCommitted) {
    LineSeries::Batch batch(chart.series());
    batch.add(1, 2);
    batch.add(3, 4);
    EXPECT_EQ(chart.series().count(), 0);
    batch.commit();
    EXPECT_EQ(points(), (std::vector<ChartPoint>{{1, 2}, {3, 4}}));
    batch.add(5, 6);
    batch.commit();
    EXPECT_EQ(chart.series().count(), 3);
}

TEST_F(ChartViewTest, PointsBufferedBeforeAFailureReachTheSeries) {
    auto walk = [this] {
        LineSeries::Batch batch(chart.series());
        batch.add(1, 10);
        batch.add(2, 20);
        throw std::runtime_error("inside the walk");
    };
    EXPECT_THROW(walk(), std::runtime_error);
    EXPECT_EQ(points(), (std::vector<ChartPoint>{{1, 10}, {2, 20}}));
}

TEST_F(ChartViewTest, ClearRemovesEveryPoint) {
    load({{1, 1}, {2, 2}});
    chart.series().Clear();
    EXPECT_EQ(chart.series().count(), 0);
    load({{3, 3}});
    EXPECT_EQ(points(), (std::vector<ChartPoint>{{3, 3}}));
}

TEST_F(ChartViewTest, KeepsXAscendingAndEqualXInArrivalOrder) {
    load({{5, 50}, {7, 70}});
    load({{6, 60}, {1, 10}, {7, 71}, {1, 11}});
    EXPECT_EQ(points(),
              (std::vector<ChartPoint>{{1, 10}, {1, 11}, {5, 50}, {6, 60}, {7, 70}, {7, 71}}));
}

TEST_F(ChartViewTest, InfiniteValueStaysAPointButIsNeitherDrawnNorScaled) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    load({{1, 10}, {2, inf}, {3, 30}, {4, -inf}, {5, nan}});
    const auto p = points();
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[1].x, 2);
    EXPECT_EQ(p[1].y, inf);
    EXPECT_EQ(p[3].y, -inf);
    EXPECT_TRUE(std::isnan(p[4].y));
    // What the graph draws: gaps, not infinities.
    EXPECT_TRUE(std::isnan(chart.series().graph()->data()->at(1)->value));
    redraw();
    const QCPRange y = chart.yAxis->range();
    EXPECT_TRUE(std::isfinite(y.lower) && std::isfinite(y.upper));
    EXPECT_LT(y.lower, 10);
    EXPECT_GT(y.upper, 30);
    EXPECT_LT(y.size(), 40); // scaled to 10..30 plus the marker margins only
}

TEST_F(ChartViewTest, AxesScaleToTheDataWithWholeMarkersAtBothEnds) {
    load({{2000, 126.19}, {2500, 150.2}, {19500, 1230.37}});
    redraw();
    const QRect area = chart.axisRect()->rect();
    const double radius = ChartView::MarkerSize / 2;
    for (const ChartPoint p : {ChartPoint{2000, 126.19}, ChartPoint{19500, 1230.37}}) {
        const double px = chart.xAxis->coordToPixel(p.x);
        const double py = chart.yAxis->coordToPixel(p.y);
        EXPECT_GE(px - radius, area.left()) << p.x;
        EXPECT_LE(px + radius, area.right()) << p.x;
        EXPECT_GE(py - radius, area.top()) << p.y;
        EXPECT_LE(py + radius, area.bottom()) << p.y;
    }
    // ...and no more than a little beyond them.
    EXPECT_GT(chart.xAxis->range().lower, 1000);
    EXPECT_LT(chart.xAxis->range().upper, 20500);

    // Scaling follows the new data after a clear, also for a single point.
    chart.series().Clear();
    load({{-5, -7}});
    redraw();
    EXPECT_TRUE(chart.xAxis->range().contains(-5));
    EXPECT_TRUE(chart.yAxis->range().contains(-7));
    EXPECT_GT(chart.xAxis->range().size(), 0);
}

TEST_F(ChartViewTest, LegendLiesOutsideThePlotArea) {
    load({{0, 0}, {1, 1}});
    redraw();
    EXPECT_TRUE(chart.legend->visible());
    EXPECT_FALSE(chart.legend->outerRect().intersects(chart.axisRect()->rect()));
    EXPECT_TRUE(chart.rect().contains(chart.legend->outerRect()));
}

TEST_F(ChartViewTest, ClearTitlesAndBatchShareOneRedraw) {
    QSignalSpy replots(&chart, &QCustomPlot::afterReplot);
    chart.series().Clear();
    chart.setLeftAxisTitle("left");
    chart.setBottomAxisTitle("bottom");
    load({{1, 1}, {2, 2}});
    EXPECT_EQ(replots.count(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(replots.count(), 1);
    EXPECT_EQ(chart.leftAxisTitle(), "left");
    EXPECT_EQ(chart.bottomAxisTitle(), "bottom");
}

} // namespace
