// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <qcustomplot.h>

#include <QString>
#include <QVector>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

class ChartView;

// One point of the series: the input coefficient and the converted one.
struct ChartPoint {
    double x;
    double y;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// The chart's one line series: red line with circle markers on the bottom and
// left axes, its points kept in ascending order of x.
class LineSeries {
public:
    // Buffers points and hands them to the series in one go when it is
    // committed or destroyed. The destructor commits too, so when the code
    // producing the points throws, the points produced before the failure are
    // on the chart all the same.
    class Batch {
    public:
        explicit Batch(LineSeries& series);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

        void reserve(qsizetype count) { points_.reserve(count); }
        void add(double x, double y) {
            if (x < maxX_)
                sorted_ = false;
            minX_ = std::min(minX_, x);
            maxX_ = std::max(maxX_, x);
            const double drawn = drawnValue(y);
            if (drawn == drawn) { // not a gap
                minY_ = std::min(minY_, drawn);
                maxY_ = std::max(maxY_, drawn);
            }
            points_.append(QCPGraphData(x, drawn));
        }
        // Hands the buffered points to the series and asks for one redraw.
        void commit();

    private:
        void restart();

        LineSeries& series_;
        QVector<QCPGraphData> points_;
        double minX_, maxX_, minY_, maxY_;
        bool sorted_;
    };

    // Removes all points.
    void Clear();

    QString title() const;
    int count() const;
    // The point at index (0 ≤ index < count()), in ascending order of x; an
    // infinite y reads back as the infinity it was added with.
    ChartPoint point(int index) const;

    QCPGraph* graph() const { return graph_; }

    // The value the graph draws for y: y itself, or for an infinity a NaN
    // that stands for it (see the source), and back.
    static double drawnValue(double y) {
        if (!std::isinf(y)) [[likely]]
            return y;
        return std::bit_cast<double>(InfinityMarkBits | (y < 0 ? SignBit : 0));
    }
    static double storedValue(double drawn);

private:
    friend class ChartView;
    explicit LineSeries(ChartView& chart);

    static constexpr std::uint64_t InfinityMarkBits = 0x7ff8'0000'0000'0001ULL;
    static constexpr std::uint64_t SignBit = 0x8000'0000'0000'0000ULL;

    ChartView& chart_;
    QCPGraph* graph_;
    // Extent of the finite data, kept as points come in so that scaling the
    // axes never walks the data again.
    QCPRange keys_;
    QCPRange values_;
    bool haveKeys_ = false;
    bool haveValues_ = false;
};

// The chart of the parameter curve: one line series, gradient backgrounds,
// legend beside the plot area, axes that scale to the data with room for the
// first and last markers.
class ChartView : public QCustomPlot {
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);
    ~ChartView() override;

    LineSeries& series() { return series_; }
    const LineSeries& series() const { return series_; }

    void setLeftAxisTitle(const QString& text);
    void setBottomAxisTitle(const QString& text);
    QString leftAxisTitle() const;
    QString bottomAxisTitle() const;

    // Diameter of the circle markers in pixels.
    static constexpr double MarkerSize = 8.0;

protected:
    void updateLayout() override;

private:
    friend class LineSeries;
    // Asks for one redraw in the next pass of the event loop; several changes
    // in one handler share it.
    void scheduleRedraw();
    // Sets the axis ranges from the data extent, widened so that markers at
    // the ends fit inside the plot area. True when a range changed.
    bool applyAxisRanges();

    LineSeries series_;
};
