// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QVariant>

#include <cstdint>

namespace quendrix {

// A dynamically typed value that, unlike QVariant, tells "empty" (never
// assigned) from "null" (deliberately holds no value).
class Variant {
public:
    enum class State { Empty, Null, Value };

    Variant() = default;
    explicit Variant(QVariant value) : state_(State::Value), value_(std::move(value)) {}

    static Variant null() {
        Variant v;
        v.state_ = State::Null;
        return v;
    }

    State state() const { return state_; }
    bool isEmpty() const { return state_ == State::Empty; }
    bool isNull() const { return state_ == State::Null; }
    bool hasValue() const { return state_ == State::Value; }
    // The held value; an invalid QVariant unless hasValue().
    const QVariant& value() const { return value_; }

    void clear() { *this = Variant(); }
    void setNull() { *this = null(); }
    void setValue(QVariant value) { *this = Variant(std::move(value)); }

    friend bool operator==(const Variant& a, const Variant& b) {
        return a.state_ == b.state_ && (a.state_ != State::Value || a.value_ == b.value_);
    }

private:
    State state_ = State::Empty;
    QVariant value_;
};

// The chart-export settings. A value-initialised record is all zero: every
// number 0, every flag false, every text empty and Handle empty. Texts are
// 8-bit strings in the system's code page (QString::toLocal8Bit).
struct ExcelOp {
    Variant Handle;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool ShowLegend = false;
    bool LegendIncludeInLayout = false;
    bool ShowTitle = false;
    QByteArray Title;
    std::int32_t TitleFontSize = 0;
    bool ShowAxisLine = false;
    QByteArray XAxisPosition;
    QByteArray YAxisPosition;
    bool ShowAxisTitle = false;
    QByteArray XAxisTitle;
    QByteArray YAxisTitle;
    std::int32_t TickLabelFontSize = 0;
    std::int32_t AxisFontSize = 0;
    std::int32_t LegendFontSize = 0;
    bool ReservedFlag = false;
    bool ShowPlotAreaLine = false;
    float LineWeight = 0.0f;
    std::int32_t LineColorMode = 0;
    std::int32_t MarkerColorMode = 0;
    bool ShowMarker = false;
    std::int32_t MarkerSize = 0;
    std::int32_t MarkerStyle = 0;
    std::int32_t ExportMode = 0;

    // Gives every field its default, except MarkerColorMode, which keeps
    // whatever it holds; Handle becomes null.
    void SetDefaults();

    friend bool operator==(const ExcelOp&, const ExcelOp&) = default;
};

} // namespace quendrix
