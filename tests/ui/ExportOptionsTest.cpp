// SPDX-License-Identifier: GPL-3.0-or-later
#include "Errors.h"
#include "ErrorReport.h"
#include "ExportOptions.h"
#include "Exportexcel.h"
#include "Unit1.h"
#include "UiTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace quendrix {

// Readable failures: the record field by field.
void PrintTo(const ExcelOp& o, std::ostream* os) {
    auto text = [](const QByteArray& t) { return '"' + t.toStdString() + '"'; };
    *os << "{Handle " << static_cast<int>(o.Handle.state()) << ", Width " << o.Width
        << ", Height " << o.Height << ", ShowLegend " << o.ShowLegend
        << ", LegendIncludeInLayout " << o.LegendIncludeInLayout << ", ShowTitle " << o.ShowTitle
        << ", Title " << text(o.Title) << ", TitleFontSize " << o.TitleFontSize
        << ", ShowAxisLine " << o.ShowAxisLine << ", XAxisPosition " << text(o.XAxisPosition)
        << ", YAxisPosition " << text(o.YAxisPosition) << ", ShowAxisTitle " << o.ShowAxisTitle
        << ", XAxisTitle " << text(o.XAxisTitle) << ", YAxisTitle " << text(o.YAxisTitle)
        << ", TickLabelFontSize " << o.TickLabelFontSize << ", AxisFontSize " << o.AxisFontSize
        << ", LegendFontSize " << o.LegendFontSize << ", ReservedFlag " << o.ReservedFlag
        << ", ShowPlotAreaLine " << o.ShowPlotAreaLine << ", LineWeight " << o.LineWeight
        << ", LineColorMode " << o.LineColorMode << ", MarkerColorMode " << o.MarkerColorMode
        << ", ShowMarker " << o.ShowMarker << ", MarkerSize " << o.MarkerSize
        << ", MarkerStyle " << o.MarkerStyle << ", ExportMode " << o.ExportMode << "}";
}

} // namespace quendrix

using quendrix::ExcelOp;
using quendrix::TExportOptionForm;
using quendrix::Variant;

namespace {

ExcelOp defaults() {
    ExcelOp op{};
    op.SetDefaults();
    return op;
}

// The message of what f throws, checking its kind.
template <typename E> std::string messageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const E& e) {
        return e.message();
    }
    ADD_FAILURE() << "nothing of the expected kind was thrown";
    return {};
}

QString decimal(const char* pointText) {
    return QString::fromLatin1(pointText).replace(u'.', QLocale::system().decimalPoint());
}

} // namespace

// -- the record ------------------------------------------------------------

TEST(ExcelOp, ValueInitialisedRecordIsZeroed) {
    const ExcelOp op{};
    EXPECT_TRUE(op.Handle.isEmpty());
    EXPECT_FALSE(op.Handle.isNull());
    for (std::int32_t v : {op.Width, op.Height, op.TitleFontSize, op.TickLabelFontSize,
                           op.AxisFontSize, op.LegendFontSize, op.LineColorMode,
                           op.MarkerColorMode, op.MarkerSize, op.MarkerStyle, op.ExportMode})
        EXPECT_EQ(v, 0);
    for (bool b : {op.ShowLegend, op.LegendIncludeInLayout, op.ShowTitle, op.ShowAxisLine,
                   op.ShowAxisTitle, op.ReservedFlag, op.ShowPlotAreaLine, op.ShowMarker})
        EXPECT_FALSE(b);
    for (const QByteArray& t :
         {op.Title, op.XAxisPosition, op.YAxisPosition, op.XAxisTitle, op.YAxisTitle})
        EXPECT_TRUE(t.isEmpty());
    EXPECT_EQ(op.LineWeight, 0.0f);
}

TEST(ExcelOp, SetDefaultsGivesTheTableAndLeavesMarkerColorMode) {
    ExcelOp op{};
    op.Handle.setValue(QVariant(42));
    op.MarkerColorMode = 1;
    op.ReservedFlag = true;
    op.SetDefaults();

    EXPECT_TRUE(op.Handle.isNull());
    EXPECT_FALSE(op.Handle.isEmpty());
    EXPECT_EQ(op.Width, 280);
    EXPECT_EQ(op.Height, 450);
    EXPECT_TRUE(op.ShowLegend);
    EXPECT_FALSE(op.LegendIncludeInLayout);
    EXPECT_FALSE(op.ShowTitle);
    EXPECT_EQ(op.Title, "Graph Title");
    EXPECT_EQ(op.TitleFontSize, 14);
    EXPECT_TRUE(op.ShowAxisLine);
    EXPECT_EQ(op.XAxisPosition, "-100000000000");
    EXPECT_EQ(op.YAxisPosition, "-100000000000");
    EXPECT_TRUE(op.ShowAxisTitle);
    EXPECT_EQ(op.XAxisTitle, "X Axis");
    EXPECT_EQ(op.YAxisTitle, "Y Axis");
    EXPECT_EQ(op.TickLabelFontSize, 10);
    EXPECT_EQ(op.AxisFontSize, 10);
    EXPECT_EQ(op.LegendFontSize, 10);
    EXPECT_FALSE(op.ReservedFlag);
    EXPECT_TRUE(op.ShowPlotAreaLine);
    EXPECT_EQ(op.LineWeight, 1.0f);
    EXPECT_EQ(op.LineColorMode, 0);
    EXPECT_EQ(op.MarkerColorMode, 1); // untouched
    EXPECT_FALSE(op.ShowMarker);
    EXPECT_EQ(op.MarkerSize, 4);
    EXPECT_EQ(op.MarkerStyle, 8);
    EXPECT_EQ(op.ExportMode, 0);

    EXPECT_EQ(defaults().MarkerColorMode, 0); // from zeroed storage
}

TEST(Variant, EmptyNullAndValueAreDistinct) {
    const Variant empty;
    const Variant null = Variant::null();
    const Variant zero(QVariant(0));
    EXPECT_NE(empty, null);
    EXPECT_NE(null, zero);
    EXPECT_NE(empty, zero);
    EXPECT_EQ(zero, Variant(QVariant(0)));
    EXPECT_NE(zero, Variant(QVariant(1)));
    EXPECT_TRUE(zero.hasValue());
    EXPECT_EQ(zero.value().toInt(), 0);

    Variant v = zero;
    v.clear();
    EXPECT_TRUE(v.isEmpty());
    v.setNull();
    EXPECT_TRUE(v.isNull());
}

// -- the dialog ------------------------------------------------------------

class ExportDialog : public ::testing::Test {
protected:
    void SetUp() override {
        record = defaults();
        form.setOptions(&record);
    }

    TExportOptionForm form;
    ExcelOp record;
};

TEST(ExportDialogLayout, CaptionSizeFontAndPlaces) {
    TExportOptionForm form;
    EXPECT_EQ(form.windowTitle(), "Export Options");
    EXPECT_EQ(form.size(), QSize(463, 480));
    EXPECT_EQ(form.font().family(), "Tahoma");
    EXPECT_EQ(form.font().pixelSize(), 11);
    EXPECT_EQ(form.options(), nullptr);
    EXPECT_FALSE(form.isVisible());

    struct Place {
        QWidget* widget;
        const char* name;
        QString text;
        QRect place;
    };
    const std::vector<Place> places{
        {form.grp1, "grp1", "Serie", {8, 8, 217, 216}},
        {form.grp2, "grp2", "Axis", {8, 230, 217, 243}},
        {form.grp4, "grp4", "Lengend", {238, 8, 214, 105}},
        {form.grp5, "grp5", "Title", {238, 119, 214, 112}},
        {form.grp3, "grp3", "Plot Area", {237, 237, 214, 108}},
        {form.grp6, "grp6", "Export Mode", {237, 357, 215, 81}},
        {form.btn1, "btn1", "Update", {237, 444, 96, 25}},
        {form.btn2, "btn2", "Close", {348, 444, 104, 25}},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(p.widget->objectName(), p.name);
        EXPECT_EQ(p.widget->parentWidget(), &form);
        EXPECT_EQ(p.widget->geometry(), p.place);
        if (auto* g = qobject_cast<QGroupBox*>(p.widget)) {
            EXPECT_EQ(g->title(), p.text);
        } else {
            EXPECT_EQ(qobject_cast<QPushButton*>(p.widget)->text(), p.text);
        }
    }
    EXPECT_FALSE(form.btn1->isDefault() || form.btn1->autoDefault());
    EXPECT_FALSE(form.btn2->isDefault() || form.btn2->autoDefault());
}

TEST(ExportDialogLayout, WidgetsSitInTheirGroupsWithTheirInitialState) {
    TExportOptionForm form;
    struct Row {
        QWidget* widget;
        QGroupBox* group;
        const char* name;
        QString state; // text, or "1"/"0" for a check box or radio button
    };
    const std::vector<Row> rows{
        {form.cbb1, form.grp1, "cbb1", "0.5"},
        {form.cbb4, form.grp1, "cbb4", "Auto"},
        {form.chk1, form.grp1, "chk1", "1"},
        {form.cbb2, form.grp1, "cbb2", "8"},
        {form.cbb3, form.grp1, "cbb3", "4"},
        {form.cbb5, form.grp1, "cbb5", "Auto"},
        {form.chk2, form.grp2, "chk2", "0"},
        {form.edt1, form.grp2, "edt1", "X Axis"},
        {form.edt2, form.grp2, "edt2", "Y Axis"},
        {form.edt9, form.grp2, "edt9", "10"},
        {form.chk6, form.grp2, "chk6", "0"},
        {form.edt6, form.grp2, "edt6", "-1000"},
        {form.edt7, form.grp2, "edt7", "-1000"},
        {form.edt8, form.grp2, "edt8", "10"},
        {form.chk3, form.grp4, "chk3", "1"},
        {form.chk4, form.grp4, "chk4", "0"},
        {form.edt10, form.grp4, "edt10", "10"},
        {form.chk5, form.grp5, "chk5", "0"},
        {form.edt5, form.grp5, "edt5", "Graph Title"},
        {form.edt11, form.grp5, "edt11", "14"},
        {form.edt3, form.grp3, "edt3", "250"},
        {form.edt4, form.grp3, "edt4", "450"},
        {form.chk7, form.grp3, "chk7", "0"},
        {form.rb1, form.grp6, "rb1", "1"},
        {form.rb2, form.grp6, "rb2", "0"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.widget->objectName(), r.name);
        EXPECT_EQ(r.widget->parentWidget(), r.group);
        EXPECT_TRUE(r.group->rect().contains(r.widget->geometry()));
        if (auto* e = qobject_cast<QLineEdit*>(r.widget)) {
            EXPECT_EQ(e->text(), r.state);
        } else if (auto* c = qobject_cast<QComboBox*>(r.widget)) {
            EXPECT_EQ(c->currentText(), r.state);
        } else if (auto* b = qobject_cast<QAbstractButton*>(r.widget)) {
            EXPECT_EQ(b->isChecked() ? "1" : "0", r.state);
        }
    }

    EXPECT_TRUE(form.cbb1->isEditable());
    EXPECT_TRUE(form.cbb3->isEditable());
    for (QComboBox* list : {form.cbb2, form.cbb4, form.cbb5})
        EXPECT_FALSE(list->isEditable());
    auto items = [](QComboBox* c) {
        QStringList l;
        for (int i = 0; i < c->count(); ++i)
            l << c->itemText(i);
        return l;
    };
    EXPECT_EQ(items(form.cbb1), QStringList({"0", "0.25", "0.5", "0.75", "1", "1.25", "1.5"}));
    EXPECT_EQ(form.cbb1->currentIndex(), 2);
    EXPECT_EQ(items(form.cbb2), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(form.cbb2->currentIndex(), 7);
    EXPECT_EQ(items(form.cbb3), QStringList({"2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(form.cbb3->currentIndex(), 2);
    EXPECT_EQ(items(form.cbb4), QStringList({"Auto", "Same as Plot Panel"}));
    EXPECT_EQ(items(form.cbb5), QStringList({"Auto", "Same as Plot Panel"}));

    // Every caption label sits left of its widget on the same row.
    const std::vector<std::pair<QString, QWidget*>> captions{
        {"Line Weight", form.cbb1},  {"Line Color", form.cbb4},
        {"Maker Style", form.cbb2},  {"Maker Size", form.cbb3},
        {"Maker Color", form.cbb5},  {"X Axis Title", form.edt1},
        {"Y Axis Title", form.edt2}, {"Font Size", form.edt9},
        {"X Axis Position", form.edt6}, {"Y Axis Position", form.edt7},
        {"Ticklabel Font Size", form.edt8}, {"Font Size", form.edt10},
        {"Title", form.edt5},        {"Font Size", form.edt11},
        {"Height", form.edt3},       {"Width", form.edt4},
    };
    for (const auto& [caption, widget] : captions) {
        SCOPED_TRACE(caption.toStdString());
        QLabel* found = nullptr;
        for (QLabel* l : widget->parentWidget()->findChildren<QLabel*>()) {
            const QRect g = l->geometry();
            if (l->text() == caption && g.right() < widget->x() &&
                g.center().y() >= widget->y() && g.center().y() <= widget->geometry().bottom())
                found = l;
        }
        EXPECT_NE(found, nullptr);
    }
}

TEST_F(ExportDialog, UpdateOnTheInitialStateTakesTheNineDifferingSettings) {
    form.btn1Click();

    ExcelOp expected = defaults();
    expected.Width = 450;
    expected.Height = 250;
    expected.LineWeight = 0.5f;
    expected.ShowMarker = true;
    expected.ShowAxisLine = false;
    expected.ShowAxisTitle = false;
    expected.ShowPlotAreaLine = false;
    expected.XAxisPosition = "-1000";
    expected.YAxisPosition = "-1000";
    EXPECT_EQ(record, expected);
    EXPECT_TRUE(record.Handle.isNull());
    EXPECT_FALSE(form.isVisible()); // "Update" neither shows nor hides
}

TEST_F(ExportDialog, TitleAndNumbersTrimmedAxisTextsKeptAsTyped) {
    const QString title = QString::fromUtf8("\t Titel \xc3\xbc ");
    form.edt5->setText(title);
    form.edt1->setText("  X axis ");
    form.edt2->setText(" Y\t");
    form.edt6->setText(" 12 ");
    form.edt7->setText("\t-3");
    form.edt4->setText(" \t 640 ");
    form.edt11->setText("  9");
    form.cbb1->setEditText(decimal(" 2.5  "));
    form.cbb3->setEditText(" 7 ");

    form.btn1Click();

    EXPECT_EQ(record.Title, QString::fromUtf8("Titel \xc3\xbc").toLocal8Bit());
    EXPECT_EQ(record.XAxisTitle, "  X axis ");
    EXPECT_EQ(record.YAxisTitle, " Y\t");
    EXPECT_EQ(record.XAxisPosition, " 12 ");
    EXPECT_EQ(record.YAxisPosition, "\t-3");
    EXPECT_EQ(record.Width, 640);
    EXPECT_EQ(record.TitleFontSize, 9);
    EXPECT_EQ(record.LineWeight, 2.5f);
    EXPECT_EQ(record.MarkerSize, 7);
    // Nothing is written back into the widgets.
    EXPECT_EQ(form.edt5->text(), title);
    EXPECT_EQ(form.edt4->text(), " \t 640 ");
}

TEST_F(ExportDialog, AxisPositionsThatAreNoNumbersAreStoredAsTheyAre) {
    form.edt6->setText("left of centre");
    form.edt7->setText("");
    form.btn1Click();
    EXPECT_EQ(record.XAxisPosition, "left of centre");
    EXPECT_EQ(record.YAxisPosition, "");
}

TEST_F(ExportDialog, IntegerTextsFollowTheEngineGrammar) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    for (const Case& c : std::vector<Case>{{"0", 0},
                                           {"+17", 17},
                                           {"-2147483648", std::numeric_limits<std::int32_t>::min()},
                                           {" $1F ", 31},
                                           {"0x10", 16},
                                           {"xFFFFFFFF", -1}}) {
        SCOPED_TRACE(c.text);
        form.edt10->setText(c.text);
        form.btn1Click();
        EXPECT_EQ(record.LegendFontSize, c.value);
    }
}

TEST_F(ExportDialog, EmptyWidthFailsAtTheFirstStepWithNothingChanged) {
    form.edt4->setText("  ");
    form.chk3->setChecked(false); // would change ShowLegend at step 3
    const ExcelOp before = record;
    EXPECT_EQ(messageOf<quendrix::EConvertError>([&] { form.btn1Click(); }),
              "'''' is not a valid integer value");
    EXPECT_EQ(record, before);
}

TEST_F(ExportDialog, MarkerSizeWithFractionFailsAtStepSix) {
    form.cbb3->setEditText("4.5");
    form.chk4->setChecked(true);
    form.chk1->setChecked(true);
    const ExcelOp before = record;

    EXPECT_EQ(messageOf<quendrix::EConvertError>([&] { form.btn1Click(); }),
              "''4.5'' is not a valid integer value");

    ExcelOp expected = before;
    expected.Width = 450;
    expected.Height = 250;
    expected.ShowLegend = true;
    expected.LegendIncludeInLayout = true;
    expected.LineWeight = 0.5f;
    EXPECT_EQ(record, expected);
    EXPECT_FALSE(record.ShowMarker);
    EXPECT_EQ(form.cbb3->currentText(), "4.5");
}

// Every fallible step in its turn: the steps before it have stored their
// values, it and every later step have not.
TEST_F(ExportDialog, AFailingStepLeavesExactlyTheEarlierStepsStored) {
    // Widgets set apart from the record's values, so every step shows.
    form.edt4->setText("101");
    form.edt3->setText("102");
    form.chk3->setChecked(false);
    form.chk4->setChecked(true);
    form.cbb1->setEditText(decimal("2.25"));
    form.cbb3->setEditText("6");
    form.chk1->setChecked(true);
    form.cbb2->setCurrentIndex(2);
    form.edt8->setText("11");
    form.edt9->setText("12");
    form.edt10->setText("13");
    form.chk5->setChecked(true);
    form.edt5->setText("T");
    form.edt11->setText("15");
    form.chk6->setChecked(false);
    form.edt6->setText("6");
    form.edt7->setText("7");
    form.chk2->setChecked(false);
    form.edt1->setText("x");
    form.edt2->setText("y");
    form.chk7->setChecked(false);
    form.cbb4->setCurrentIndex(1);
    form.cbb5->setCurrentIndex(1);
    form.rb2->setChecked(true);

    // What each of the 24 steps stores, in order.
    const std::vector<std::function<void(ExcelOp&)>> steps{
        [](ExcelOp& o) { o.Width = 101; },
        [](ExcelOp& o) { o.Height = 102; },
        [](ExcelOp& o) { o.ShowLegend = false; },
        [](ExcelOp& o) { o.LegendIncludeInLayout = true; },
        [](ExcelOp& o) { o.LineWeight = 2.25f; },
        [](ExcelOp& o) { o.MarkerSize = 6; },
        [](ExcelOp& o) { o.ShowMarker = true; },
        [](ExcelOp& o) { o.MarkerStyle = 3; },
        [](ExcelOp& o) { o.TickLabelFontSize = 11; },
        [](ExcelOp& o) { o.AxisFontSize = 12; },
        [](ExcelOp& o) { o.LegendFontSize = 13; },
        [](ExcelOp& o) { o.ShowTitle = true; },
        [](ExcelOp& o) { o.Title = "T"; },
        [](ExcelOp& o) { o.TitleFontSize = 15; },
        [](ExcelOp& o) { o.ShowAxisLine = false; },
        [](ExcelOp& o) { o.XAxisPosition = "6"; },
        [](ExcelOp& o) { o.YAxisPosition = "7"; },
        [](ExcelOp& o) { o.ShowAxisTitle = false; },
        [](ExcelOp& o) { o.XAxisTitle = "x"; },
        [](ExcelOp& o) { o.YAxisTitle = "y"; },
        [](ExcelOp& o) { o.ShowPlotAreaLine = false; },
        [](ExcelOp& o) { o.LineColorMode = 1; },
        [](ExcelOp& o) { o.MarkerColorMode = 1; },
        [](ExcelOp& o) { o.ExportMode = 1; },
    };

    struct Failing {
        int step; // 1-based
        std::function<void()> breakIt;
        std::function<void()> mendIt;
        std::string message;
    };
    const std::vector<Failing> failing{
        {1, [&] { form.edt4->setText("1e3"); }, [&] { form.edt4->setText("101"); },
         "''1e3'' is not a valid integer value"},
        {2, [&] { form.edt3->setText("2147483648"); }, [&] { form.edt3->setText("102"); },
         "''2147483648'' is not a valid integer value"},
        {5, [&] { form.cbb1->setEditText(" thin "); },
         [&] { form.cbb1->setEditText(decimal("2.25")); },
         "'thin' is not a valid floating point value"},
        {6, [&] { form.cbb3->setEditText("six"); }, [&] { form.cbb3->setEditText("6"); },
         "''six'' is not a valid integer value"},
        {9, [&] { form.edt8->setText("1 1"); }, [&] { form.edt8->setText("11"); },
         "''1 1'' is not a valid integer value"},
        {10, [&] { form.edt9->setText(""); }, [&] { form.edt9->setText("12"); },
         "'''' is not a valid integer value"},
        {11, [&] { form.edt10->setText("--13"); }, [&] { form.edt10->setText("13"); },
         "''--13'' is not a valid integer value"},
        {14, [&] { form.edt11->setText("15px"); }, [&] { form.edt11->setText("15"); },
         "''15px'' is not a valid integer value"},
    };

    for (const Failing& f : failing) {
        SCOPED_TRACE("step " + std::to_string(f.step));
        record = defaults();
        ExcelOp expected = record;
        for (int i = 0; i < f.step - 1; ++i)
            steps[static_cast<std::size_t>(i)](expected);

        f.breakIt();
        EXPECT_EQ(messageOf<quendrix::EConvertError>([&] { form.btn1Click(); }), f.message);
        EXPECT_EQ(record, expected);
        f.mendIt();
    }

    // With every text mended all 24 steps store.
    record = defaults();
    ExcelOp expected = record;
    for (const auto& step : steps)
        step(expected);
    form.btn1Click();
    EXPECT_EQ(record, expected);
}

TEST_F(ExportDialog, LineWeightIsRoundedOnceToTheNearestFloat) {
    form.cbb1->setEditText(decimal("0.1"));
    form.btn1Click();
    EXPECT_EQ(record.LineWeight, 0.1f);
    EXPECT_NE(static_cast<double>(record.LineWeight), 0.1);
}

TEST_F(ExportDialog, LineWeightBeyondTheFloatRangeIsAnOverflowAtItsStep) {
    form.cbb1->setEditText("1e39");
    form.edt3->setText("7");
    const ExcelOp before = record;
    EXPECT_EQ(messageOf<quendrix::EOverflow>([&] { form.btn1Click(); }),
              "Floating point overflow");
    ExcelOp expected = before;
    expected.Width = 450;
    expected.Height = 7;
    EXPECT_EQ(record, expected);
}

TEST_F(ExportDialog, BothExportModes) {
    form.rb2->setChecked(true);
    EXPECT_FALSE(form.rb1->isChecked());
    form.btn1Click();
    EXPECT_EQ(record.ExportMode, 1);
    form.rb1->setChecked(true);
    EXPECT_FALSE(form.rb2->isChecked());
    form.btn1Click();
    EXPECT_EQ(record.ExportMode, 0);
}

TEST_F(ExportDialog, CloseLeavesRecordAndWidgetsAsTheyAre) {
    form.showDialog();
    ASSERT_TRUE(form.isVisible());
    form.edt4->setText("999");
    form.chk5->setChecked(true);
    const ExcelOp before = record;

    form.btn2Click();

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(record, before);
    EXPECT_EQ(form.edt4->text(), "999");
    EXPECT_TRUE(form.chk5->isChecked());
    EXPECT_EQ(form.options(), &record);
}

TEST_F(ExportDialog, CloseEndsAModalShowingWithTheCancelResult) {
    QTimer::singleShot(0, &form, [this] { form.btn2Click(); });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
    EXPECT_FALSE(form.isVisible());
}

TEST(ExportDialogNoRecord, UpdateWithoutARecordChangesNothingAndSaysSo) {
    TExportOptionForm form;
    ExcelOp record = defaults();
    form.setOptions(&record);
    form.edt4->setText("1");
    form.setOptions(nullptr);
    const ExcelOp before = record;

    EXPECT_EQ(messageOf<quendrix::Exception>([&] { form.btn1Click(); }),
              "No export options record is attached to the dialog");
    EXPECT_EQ(record, before);
    EXPECT_EQ(form.edt4->text(), "1");
}

// -- wiring ----------------------------------------------------------------

TEST(ExportOptionsWiring, MainWindowHoldsTheDefaultsFromConstruction) {
    TForm1 window;
    EXPECT_EQ(window.excelOp, defaults());
    EXPECT_TRUE(window.excelOp.Handle.isNull());
    EXPECT_EQ(window.excelOp.MarkerColorMode, 0);
}

TEST(ExportOptionsWiring, PressedButtonsGoThroughTheErrorReport) {
    QStringList reports;
    const auto previous =
        quendrix::setErrorPresenter([&](const QString& text) { reports.append(text); });
    TExportOptionForm form;
    ExcelOp record = defaults();
    form.setOptions(&record);
    form.edt4->setText("  ");
    form.edt3->setText("7");

    QTest::mouseClick(form.btn1, Qt::LeftButton);
    EXPECT_EQ(reports, QStringList{"'''' is not a valid integer value."});
    EXPECT_EQ(record, defaults()); // failed at the first step

    form.edt4->setText("12");
    QTest::mouseClick(form.btn1, Qt::LeftButton);
    EXPECT_EQ(reports.size(), 1);
    EXPECT_EQ(record.Width, 12);
    EXPECT_EQ(record.Height, 7);
    quendrix::setErrorPresenter(previous);
}

TEST(ExportOptionsWiring, CloseButtonHidesEnterAndEscapeDoNothing) {
    quendrix::test::ErrorCapture errors;
    TExportOptionForm form;
    ExcelOp record = defaults();
    form.setOptions(&record);
    form.showDialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    form.edt4->setFocus();
    QTest::keyClick(form.edt4, Qt::Key_Return);
    QTest::keyClick(form.edt4, Qt::Key_Enter);
    QTest::keyClick(form.edt4, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(record, defaults());

    QTest::mouseClick(form.btn2, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(record, defaults());
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST(ExportOptionsWiring, UpdateWithoutARecordIsReported) {
    quendrix::test::ErrorCapture errors;
    TExportOptionForm form;
    QTest::mouseClick(form.btn1, Qt::LeftButton);
    EXPECT_EQ(errors.messages(),
              QStringList{"No export options record is attached to the dialog."});
}

TEST(ExportOptionsWiring, ShownCentredOverTheMainWindow) {
    TForm1 window;
    window.move(40, 30);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    TExportOptionForm form;
    form.showDialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QPoint offset = form.frameGeometry().center() - window.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
    form.close();
}

// Start-up as the entry function runs it: the main window into Form1, then
// the dialog into ExportOptionForm, then the main window shown by the loop.
TEST(ExportOptionsStartUp, DialogExistsAfterStartUpAndIsNeverShown) {
    auto window = std::make_unique<TForm1>();
    Form1 = window.get();
    auto dialog = std::make_unique<TExportOptionForm>();
    quendrix::ExportOptionForm = dialog.get();

    struct ShowCounter : QObject {
        int shows = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Show)
                ++shows;
            return false;
        }
    } counter;
    dialog->installEventFilter(&counter);

    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::qWait(50);

    ASSERT_NE(quendrix::ExportOptionForm, nullptr);
    EXPECT_FALSE(quendrix::ExportOptionForm->isVisible());
    EXPECT_EQ(counter.shows, 0);
    EXPECT_EQ(quendrix::ExportOptionForm->options(), nullptr);
    EXPECT_EQ(quendrix::ExportOptionForm->parentWidget(), nullptr); // the application's
    EXPECT_EQ(window->excelOp, defaults());
    EXPECT_NE(QApplication::activeModalWidget(), dialog.get());

    quendrix::ExportOptionForm = nullptr;
    dialog.reset();
    Form1 = nullptr;
    window.reset();
}
