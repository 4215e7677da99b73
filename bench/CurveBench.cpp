// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter curve end to end, offscreen: from the press of the curve
// button to the chart's next frame (the redraw the press asked for, then a
// grab of the widget), for 36, 100,000 and 1,000,000 points; beside it the
// floor, the same points precomputed and loaded into the graph in one call,
// then one frame. Prints median and best times and the peak memory of a
// 1,000,000-point press.
//
//   curve_bench [repetitions]
#include "AppInfo.h"
#include "ChartView.h"
#include "Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Range {
    const char* text;
    int points;
};

const Range Ranges[] = {
    {"2000:500:20000", 36},
    {"0:1:100000", 100'000},
    {"0:1:1000000", 1'000'000},
};

// A kB figure of /proc/self/status ("VmHWM", "VmRSS").
long statusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    return -1;
}

// Starts a new peak: the peak resident size becomes the current one.
bool resetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    return static_cast<bool>(clear);
}

struct Timing {
    double median;
    double best;
};

Timing measure(int repetitions, const std::function<void()>& run) {
    std::vector<double> ms;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front()};
}

// The frame that follows a change: the queued redraw, then the widget drawn.
void nextFrame(ChartView& chart) {
    QCoreApplication::processEvents();
    const QPixmap frame = chart.grab();
    if (frame.isNull())
        std::fprintf(stderr, "empty frame\n");
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    QApplication app(argc, argv);
    quendrix::installFontSubstitutes();
    TForm1 form;
    Form1 = &form;
    form.show();
    QCoreApplication::processEvents();
    ChartView& chart = *form.cht1;

    std::printf("chart %d x %d, %d repetitions, times in ms (median / best)\n", chart.width(),
                chart.height(), repetitions);
    std::printf("%10s  %20s  %20s  %20s  %6s\n", "points", "press -> frame", "floor: setData",
                "floor: shared set", "ratio");

    for (const Range& r : Ranges) {
        form.edt4->setText(QString::fromLatin1(r.text));
        // One warm-up press, which also gives the points for the floor.
        form.btn2->click();
        nextFrame(chart);
        if (form.lnsrsSeries1->count() != r.points) {
            std::fprintf(stderr, "%s gave %d points, not %d\n", r.text, form.lnsrsSeries1->count(),
                         r.points);
            return 1;
        }
        QVector<QCPGraphData> points;
        QVector<double> keys;
        QVector<double> values;
        for (auto it = chart.series().graph()->data()->constBegin();
             it != chart.series().graph()->data()->constEnd(); ++it) {
            points.append(*it);
            keys.append(it->key);
            values.append(it->value);
        }

        const Timing press = measure(repetitions, [&] {
            form.btn2->click();
            nextFrame(chart);
        });

        QCPGraph* graph = chart.series().graph();
        const Timing copied = measure(repetitions, [&] {
            graph->data()->clear();
            graph->setData(keys, values, true);
            chart.replot();
            chart.grab();
        });
        const Timing shared = measure(repetitions, [&] {
            graph->data()->clear();
            graph->data()->set(points, true);
            chart.replot();
            chart.grab();
        });
        std::printf("%10d  %9.2f / %8.2f  %9.2f / %8.2f  %9.2f / %8.2f  %6.2f\n", r.points,
                    press.median, press.best, copied.median, copied.best, shared.median,
                    shared.best, press.median / std::min(copied.median, shared.median));
    }

    // Peak memory of one 1,000,000-point press, from an empty chart.
    form.edt4->setText(QStringLiteral("0:1:0"));
    form.btn2->click();
    nextFrame(chart);
    const long before = statusKb("VmRSS");
    const bool reset = resetPeak();
    form.edt4->setText(QString::fromLatin1(Ranges[2].text));
    form.btn2->click();
    nextFrame(chart);
    const long peak = statusKb("VmHWM");
    std::printf("1000000-point press: resident before %.1f MB, peak %.1f MB%s, after %.1f MB\n",
                static_cast<double>(before) / 1024, static_cast<double>(peak) / 1024,
                reset ? "" : " (peak of the whole run: no reset)",
                static_cast<double>(statusKb("VmRSS")) / 1024);
    Form1 = nullptr;
    return 0;
}
