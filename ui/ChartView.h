// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <qcustomplot.h>

#include <QString>
#include <QVector>

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
        void add(double x, double y);
        // Hands the buffered points to the series and asks for one redraw.
        void commit();

    private:
        LineSeries& series_;
        QVector<QCPGraphData> points_;
        QCPRange keys_;
        QCPRange values_;
        bool haveValues_ = false;
        bool sorted_ = true;
    };

    // Removes all points.
    void Clear();

    QString title() const;
    int count() const;
    // The point at index (0 ≤ index < count()), in ascending order of x; an
    // infinite y reads back as the infinity it was added with.
    ChartPoint point(int index) const;

    QCPGraph* graph() const { return graph_; }

private:
    friend class ChartView;
    explicit LineSeries(ChartView& chart);

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
