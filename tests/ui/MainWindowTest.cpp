// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its start-up state, layout, menu and status bar, the
// single-point panel driven through real key and mouse events, and the error
// report with its dispatch layer.
#include "AppInfo.h"
#include "Deployment.h"
#include "Errors.h"
#include "ErrorReport.h"
#include "StatusBar.h"
#include "Unit1.h"
#include "UiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QSizeGrip>
#include <QTest>

#include <gtest/gtest.h>

#include <clocale>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <vector>

QT_BEGIN_NAMESPACE
// Readable failures for Qt values.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ')';
}
inline void PrintTo(const QSize& s, std::ostream* os) {
    *os << "QSize(" << s.width() << " x " << s.height() << ')';
}
inline void PrintTo(const QPoint& p, std::ostream* os) {
    *os << "QPoint(" << p.x() << ", " << p.y() << ')';
}
QT_END_NAMESPACE

namespace {

using quendrix::test::ErrorCapture;

// Replaces a field's text the way a user does: select all, type.
void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    ASSERT_EQ(edit->text(), text);
}

// Picks an entry of a drop-down list with the keyboard (Home, then Down).
void pick(QComboBox* list, int index) {
    list->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->currentIndex(), index);
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>();
        Form1 = form.get();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override {
        Form1 = nullptr;
        form.reset();
    }

    void activate() {
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void convert() { QTest::mouseClick(form->btn1, Qt::LeftButton); }

    ErrorCapture errors;
    std::unique_ptr<TForm1> form;
};

// -- start-up ------------------------------------------------------------------

TEST_F(MainWindow, StartsWithCaptionUnitLabelsAndDesignValues) {
    EXPECT_EQ(form->windowTitle(), "Quendrix");
    EXPECT_EQ(form->lbl5->text(), "KN*(s/m)^Cexp");
    EXPECT_EQ(form->lbl9->text(), "KN*(s/mm)^Cexp");
    EXPECT_EQ(form->lbl14->text(), "KN*(s/m)^Cexp");
    EXPECT_EQ(form->edt1->text(), "0.4");
    EXPECT_EQ(form->edt2->text(), "2000");
    EXPECT_EQ(form->edt3->text(), "");
    EXPECT_EQ(form->edt6->text(), "0.4");
    EXPECT_EQ(form->edt4->text(), "2000:500:20000");
    const std::vector<std::pair<QComboBox*, QString>> lists = {
        {form->cbb1, "m"}, {form->cbb2, "KN"}, {form->cbb3, "mm"}, {form->cbb4, "KN"},
        {form->cbb5, "m"}, {form->cbb6, "KN"}, {form->cbb7, "mm"}, {form->cbb8, "KN"}};
    for (const auto& [list, selected] : lists) {
        SCOPED_TRACE(list->objectName().toStdString());
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->currentText(), selected);
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        EXPECT_EQ(entries, list->count() == 3 ? QStringList({"m", "cm", "mm"})
                                              : QStringList({"N", "KN"}));
    }
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST_F(MainWindow, ClientAreaHasDesignSizeAndWindowIsCentred) {
    EXPECT_EQ(form->clientArea()->size(), QSize(TForm1::ClientWidth, TForm1::ClientHeight));
    EXPECT_EQ(form->clientArea()->y(), form->menuBar()->geometry().bottom() + 1);
    const QRect available = form->screen()->availableGeometry();
    ASSERT_TRUE(available.width() >= form->frameGeometry().width() &&
                available.height() >= form->frameGeometry().height())
        << "the test screen is too small to centre the window on";
    const QPoint offset = form->frameGeometry().center() - available.center();
    EXPECT_LE(std::abs(offset.x()), 1);
    EXPECT_LE(std::abs(offset.y()), 1);
}

TEST(CentredPosition, StaysInsideTheScreenWhenTheWindowIsLarger) {
    using quendrix::centredPosition;
    EXPECT_EQ(centredPosition({200, 100}, {0, 0, 1000, 500}), QPoint(400, 200));
    EXPECT_EQ(centredPosition({200, 100}, {100, 50, 1000, 500}), QPoint(500, 250));
    EXPECT_EQ(centredPosition({1200, 700}, {10, 20, 1000, 500}), QPoint(10, 20));
}

TEST_F(MainWindow, FocusStartsAtCoefficientFieldAndTabFollowsDesignOrder) {
    activate();
    EXPECT_EQ(QApplication::focusWidget(), form->edt2);
    const std::vector<QWidget*> order = {
        form->edt2, form->cbb1, form->cbb2, form->edt3, form->cbb3, form->cbb4, form->edt1,
        form->btn1, form->edt4, form->cbb5, form->cbb6, form->cbb7, form->cbb8, form->edt6,
        form->btn2, form->edt2};
    for (std::size_t i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), order[i])
            << "after " << order[i - 1]->objectName().toStdString() << " came "
            << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString()
                                            : std::string("nothing"));
    }
    // And backwards.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), form->btn2);
}

TEST_F(MainWindow, EnterInAFieldDoesNotConvert) {
    activate();
    for (QLineEdit* edit : {form->edt1, form->edt2, form->edt3}) {
        edit->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter);
    }
    EXPECT_EQ(form->edt3->text(), "");
    for (QPushButton* button : {form->btn1, form->btn2}) {
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
}

// -- layout ----------------------------------------------------------------------

struct Place {
    const char* name;
    const char* parent;
    QRect rect; // an empty size: a label, as large as its caption
};

TEST_F(MainWindow, WidgetsHaveTheirDesignPlaces) {
    const Place places[] = {
        {"grp3", "client", {8, 8, 384, 265}},
        {"cht1", "client", {403, 8, 759, 514}},
        {"grp4", "client", {8, 279, 384, 242}},
        {"rzstsbr2", "client", {0, 531, 1173, 24}},
        // single-point panel
        {"lbl1", "grp3", {14, 33, 0, 0}},
        {"edt1", "grp3", {147, 30, 76, 21}},
        {"btn1", "grp3", {243, 27, 128, 25}},
        {"grp1", "grp3", {14, 57, 356, 96}},
        {"grp2", "grp3", {14, 159, 357, 93}},
        {"lbl2", "grp1", {24, 28, 0, 0}},
        {"cbb1", "grp1", {93, 24, 75, 21}},
        {"lbl3", "grp1", {197, 28, 0, 0}},
        {"cbb2", "grp1", {261, 24, 75, 21}},
        {"lbl4", "grp1", {24, 66, 0, 0}},
        {"edt2", "grp1", {134, 63, 75, 21}},
        {"lbl5", "grp1", {229, 66, 0, 0}},
        {"lbl7", "grp2", {24, 28, 0, 0}},
        {"cbb3", "grp2", {93, 24, 75, 21}},
        {"lbl8", "grp2", {192, 28, 0, 0}},
        {"cbb4", "grp2", {261, 24, 75, 21}},
        {"lbl6", "grp2", {24, 60, 0, 0}},
        {"edt3", "grp2", {134, 57, 75, 21}},
        {"lbl9", "grp2", {229, 60, 0, 0}},
        // curve panel
        {"lbl10", "grp4", {13, 32, 0, 0}},
        {"edt6", "grp4", {147, 29, 75, 21}},
        {"btn2", "grp4", {243, 26, 128, 25}},
        {"grp5", "grp4", {13, 57, 358, 115}},
        {"lbl12", "grp5", {24, 28, 0, 0}},
        {"cbb5", "grp5", {94, 25, 75, 21}},
        {"lbl13", "grp5", {193, 31, 0, 0}},
        {"cbb6", "grp5", {262, 28, 75, 21}},
        {"lbl11", "grp5", {25, 66, 0, 0}},
        {"edt4", "grp5", {134, 63, 203, 21}},
        {"lbl14", "grp5", {243, 90, 0, 0}},
        {"grp6", "grp4", {13, 178, 358, 55}},
        {"lbl16", "grp6", {24, 28, 0, 0}},
        {"cbb7", "grp6", {94, 24, 75, 21}},
        {"lbl17", "grp6", {199, 27, 0, 0}},
        {"cbb8", "grp6", {262, 24, 75, 21}},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.name);
        const auto* w = form->findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(w, nullptr) << "no widget of that object name";
        ASSERT_NE(w->parentWidget(), nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromLatin1(p.parent));
        EXPECT_TRUE(w->isVisible());
        if (p.rect.isEmpty()) {
            EXPECT_EQ(w->pos(), p.rect.topLeft());
            EXPECT_EQ(w->size(), w->sizeHint()) << "a label takes the size of its caption";
        } else {
            EXPECT_EQ(w->geometry(), p.rect);
        }
    }
}

TEST_F(MainWindow, ResizingMovesOnlyTheChartAndTheStatusBar) {
    const auto fixed = [this] {
        return std::vector<QRect>{form->grp3->geometry(), form->grp4->geometry(),
                                  form->grp1->geometry(), form->grp5->geometry(),
                                  form->btn1->geometry(), form->edt4->geometry()};
    };
    const std::vector<QRect> before = fixed();
    const QSize sizes[] = {{1400, 700}, {900, 450}, {1173, 555}};
    for (const QSize& client : sizes) {
        SCOPED_TRACE(client.width());
        form->resize(form->size() + (client - form->clientArea()->size()));
        QCoreApplication::processEvents();
        ASSERT_EQ(form->clientArea()->size(), client);
        EXPECT_EQ(form->cht1->geometry(),
                  QRect(403, 8, client.width() - 403 - 11, client.height() - 8 - 33));
        EXPECT_EQ(form->rzstsbr2->geometry(), QRect(0, client.height() - 24, client.width(), 24));
        EXPECT_EQ(fixed(), before);
    }
}

TEST_F(MainWindow, WindowFontIsElevenPixelTahoma) {
    for (QWidget* w : std::initializer_list<QWidget*>{form->grp3, form->edt2, form->cbb1,
                                                      form->btn1, form->lbl5, form->btn2}) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(w->font().family(), "Tahoma");
        EXPECT_EQ(w->font().pixelSize(), 11);
        EXPECT_FALSE(w->font().bold());
    }
}

// -- menu and status bar -------------------------------------------------------------

TEST_F(MainWindow, MenuHasItsCaptionsAndFileHasNoEntries) {
    const QList<QAction*> top = form->mm1->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0], form->mniImportData1);
    EXPECT_EQ(top[0]->text(), "File");
    EXPECT_EQ(top[0]->menu(), nullptr);
    EXPECT_EQ(top[1]->text(), "Help");
    EXPECT_EQ(top[1]->menu(), form->mniAbout1);

    const QString host = QString::fromLatin1(quendrix::deployment::HomeHost);
    const std::vector<std::pair<QAction*, QString>> items = {
        {form->mniAbout2, "About"},
        {form->mniDonation1, QString::fromUtf8("Donation(捐助)")},
        {form->mniVisitSite, QString::fromUtf8("访问 ") + host},
        {form->mniHowtouse1, QString::fromUtf8("使用帮助 How to use?")},
        {form->mniSoftwareBox, QString::fromUtf8("软件盒子(") + host + u')'},
    };
    const QList<QAction*> help = form->mniAbout1->actions();
    ASSERT_EQ(help.size(), static_cast<qsizetype>(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(help[static_cast<qsizetype>(i)], items[i].first);
        EXPECT_EQ(items[i].first->text(), items[i].second);
    }
    // Choosing "File" does nothing.
    form->mniImportData1->trigger();
    EXPECT_TRUE(errors.messages().isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(MainWindow, NoCaptionCarriesAnAccessKey) {
    QList<QAction*> actions = form->mm1->actions() + form->mniAbout1->actions();
    for (const QAction* action : actions)
        EXPECT_FALSE(action->text().contains(u'&')) << action->text().toStdString();
    for (const QAbstractButton* button : form->clientArea()->findChildren<QAbstractButton*>())
        EXPECT_FALSE(button->text().contains(u'&')) << button->text().toStdString();
    for (const QGroupBox* group : form->clientArea()->findChildren<QGroupBox*>())
        EXPECT_FALSE(group->title().contains(u'&')) << group->title().toStdString();
}

TEST_F(MainWindow, StatusBarHasThreePanesDockedLeftAndASizeGrip) {
    struct Pane {
        quendrix::StatusPane* pane;
        int left, width;
        QString caption;
        const char* family;
    };
    const QString host = QString::fromLatin1(quendrix::deployment::HomeHost);
    const Pane panes[] = {
        {form->rzfldsts3, 0, 93,
         QStringLiteral("  ") + QString::fromUtf8(quendrix::deployment::MakerShortName), "Tahoma"},
        {form->rzfldsts1, 93, 167, QStringLiteral("  Welcome to my Website :      "), "MS Sans Serif"},
        {form->rzfldsts2, 260, 111, u' ' + host + QStringLiteral("       "), "MS Sans Serif"},
    };
    ASSERT_EQ(form->rzstsbr2->panes().size(), 3);
    for (std::size_t i = 0; i < std::size(panes); ++i) {
        const Pane& p = panes[i];
        SCOPED_TRACE(p.pane->objectName().toStdString());
        EXPECT_EQ(form->rzstsbr2->panes()[static_cast<qsizetype>(i)], p.pane);
        EXPECT_EQ(p.pane->geometry(), QRect(p.left, 0, p.width, 24));
        EXPECT_EQ(p.pane->text(), p.caption);
        EXPECT_EQ(p.pane->font().family(), QString::fromLatin1(p.family));
        EXPECT_TRUE(p.pane->font().bold());
        EXPECT_EQ(p.pane->font().pixelSize(), 11);
    }
    EXPECT_EQ(form->rzfldsts2->fontColor(), QColor(Qt::black));
    EXPECT_EQ(form->rzfldsts2->borderWidth(), 3);
    ASSERT_NE(form->rzstsbr2->sizeGrip(), nullptr);
    EXPECT_TRUE(form->rzstsbr2->sizeGrip()->isVisible());
    EXPECT_EQ(form->rzstsbr2->sizeGrip()->geometry().right(), form->rzstsbr2->width() - 1);
}

TEST_F(MainWindow, FileDialogsStartInTheProgramsDirectoryAndStayClosed) {
    const QStringList filters = {"CSV Files (*csv)", "TXT(*txt) (*txt)",
                                 QString::fromUtf8("Excel 97-2003 工作簿(*.xls) (*.xls)"),
                                 QString::fromUtf8("Word 97-2003 工作簿(*.doc) (*.doc)")};
    for (const quendrix::FileDialog* dialog : {form->dlgOpen1, form->dlgSave1}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        EXPECT_EQ(dialog->directory().absolutePath(), QCoreApplication::applicationDirPath());
        EXPECT_EQ(dialog->nameFilters(), filters);
        EXPECT_FALSE(dialog->isVisible());
    }
    EXPECT_EQ(form->dlgOpen1->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(form->dlgSave1->acceptMode(), QFileDialog::AcceptSave);
}

// Quendrix keeps nothing between runs: building, showing and closing the
// window leaves no Qt settings file behind (a QFileDialog that merely exists
// writes one). Each ctest entry is a process of its own with a settings
// directory of its own (UiTestMain.cpp), so the settings paths are still
// unread when this runs.
TEST(MainWindowSettings, WindowWritesNoSettingsFile) {
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/QtProject.conf");
    QFile::remove(file);
    {
        TForm1 window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_TRUE(window.findChildren<QFileDialog*>().isEmpty());
    }
    EXPECT_FALSE(QFile::exists(file)) << file.toStdString();
}

// Opened (no command does), a file dialog is a real one with its settings.
TEST_F(MainWindow, FileDialogOpensWithItsSettingsAndIsGoneAfterwards) {
    // The opened dialog writes its history into the run's own settings.
    struct Seen {
        bool shown = false;
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
        QStringList filters;
        QString directory;
        bool visibleMeanwhile = false;
    } seen;
    quendrix::test::handleNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr) << quendrix::test::describeWidget(modal).toStdString();
        seen = {true, dialog->acceptMode(), dialog->nameFilters(),
                dialog->directory().absolutePath(), form->dlgSave1->isVisible()};
        dialog->reject();
    });
    EXPECT_EQ(form->dlgSave1->exec(), QDialog::Rejected);

    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.mode, QFileDialog::AcceptSave);
    EXPECT_EQ(seen.filters, form->dlgSave1->nameFilters());
    EXPECT_EQ(seen.directory, QCoreApplication::applicationDirPath());
    EXPECT_TRUE(seen.visibleMeanwhile);
    EXPECT_FALSE(form->dlgSave1->isVisible());
    EXPECT_TRUE(form->dlgSave1->selectedFiles().isEmpty());
    EXPECT_TRUE(form->findChildren<QFileDialog*>().isEmpty());
}

// -- single-point panel ------------------------------------------------------------

TEST_F(MainWindow, DefaultValuesConvertTo126_191) {
    convert();
    EXPECT_EQ(form->edt3->text(), "126.191");
    EXPECT_TRUE(errors.messages().isEmpty());
}

struct ListCase {
    const char* list;
    int index;
    const char* label;
    const char* text;
};

// Every list writes its own label at once, and nothing else: not the other
// label, not the result.
TEST_F(MainWindow, UnitListsUpdateTheirLabelAndLeaveTheResultAlone) {
    const ListCase cases[] = {
        {"cbb2", 0, "lbl5", "N*(s/m)^Cexp"},   {"cbb1", 2, "lbl5", "N*(s/mm)^Cexp"},
        {"cbb1", 1, "lbl5", "N*(s/cm)^Cexp"},  {"cbb2", 1, "lbl5", "KN*(s/cm)^Cexp"},
        {"cbb3", 0, "lbl9", "KN*(s/m)^Cexp"},  {"cbb4", 0, "lbl9", "N*(s/m)^Cexp"},
        {"cbb3", 1, "lbl9", "N*(s/cm)^Cexp"},  {"cbb4", 1, "lbl9", "KN*(s/cm)^Cexp"},
    };
    convert();
    ASSERT_EQ(form->edt3->text(), "126.191");
    for (const ListCase& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " -> " + c.text);
        auto* list = form->findChild<QComboBox*>(QString::fromLatin1(c.list));
        auto* label = form->findChild<QLabel*>(QString::fromLatin1(c.label));
        QLabel* other = label == form->lbl5 ? form->lbl9 : form->lbl5;
        const QString otherBefore = other->text();
        pick(list, c.index);
        EXPECT_EQ(label->text(), QString::fromLatin1(c.text));
        EXPECT_EQ(label->size(), label->sizeHint());
        EXPECT_EQ(other->text(), otherBefore);
        EXPECT_EQ(form->edt3->text(), "126.191");
    }
    EXPECT_TRUE(errors.messages().isEmpty());
}

struct ConvertCase {
    const char* name;
    QString alpha;
    QString coefficient;
    int lengthIn, forceIn, lengthOut, forceOut; // list indexes
    QString result;  // edt3 after a success
    QString message; // the one report of a failure (then edt3 is kept)
};

// The case's name in test names and failures.
void PrintTo(const ConvertCase& c, std::ostream* os) {
    *os << c.name;
}

// Units: length 0 m, 1 cm, 2 mm; force 0 N, 1 KN.
const ConvertCase convertCases[] = {
    {"Design", "0.4", "2000", 0, 1, 2, 1, "126.191", {}},
    {"SameUnitsKeepTheValue", "0.7", "2000", 0, 1, 0, 1, "2000.000", {}},
    {"SameUnitsSmallUnits", "3", "2000", 2, 0, 2, 0, "2000.000", {}},
    {"BlanksAroundAreTrimmed", "  0.4 ", "  2000  ", 0, 1, 2, 1, "126.191", {}},
    {"SignAndExponentForms", "+4e-1", "2e3", 0, 1, 2, 1, "126.191", {}},
    {"NegativeCoefficient", "0.4", "-2000", 0, 1, 2, 1, "-126.191", {}},
    {"NegativeExponent", "-0.4", "2000", 0, 1, 2, 1, "31697.864", {}},
    {"ZeroExponentIgnoresLength", "0", "2000", 0, 1, 1, 0, "2000000.000", {}},
    {"BlankInside", "0.4", "2 000", 0, 1, 2, 1, {}, "'2 000' is not a valid floating point value."},
    {"EmptyCoefficient", "0.4", "", 0, 1, 2, 1, {}, "'' is not a valid floating point value."},
    {"BlanksOnly", "0.4", "    ", 0, 1, 2, 1, {}, "'' is not a valid floating point value."},
    {"ExponentCheckedFirst", "x", "y", 0, 1, 2, 1, {}, "'x' is not a valid floating point value."},
    {"ReportedTextIsTrimmed", "  x ", "2000", 0, 1, 2, 1, {}, "'x' is not a valid floating point value."},
    {"CommaUnderPointLocale", "0.4", "1,5", 0, 1, 2, 1, {}, "'1,5' is not a valid floating point value."},
    {"NoInfinityWord", "0.4", "inf", 0, 1, 2, 1, {}, "'inf' is not a valid floating point value."},
    {"NoHexadecimal", "0.4", "0x10", 0, 1, 2, 1, {}, "'0x10' is not a valid floating point value."},
    {"CoefficientTooLarge", "0.4", "1e400", 0, 1, 2, 1, {}, "Floating point overflow."},
    {"ExponentTooLargeBeforeBadCoefficient", "1e400", "y", 0, 1, 2, 1, {}, "Floating point overflow."},
    {"PowerOverflowsToInfinity", "200", "2000", 2, 1, 0, 1, "INF", {}},
    {"PowerOverflowsToMinusInfinity", "200", "-2000", 2, 1, 0, 1, "-INF", {}},
    {"InfinityTimesZero", "200", "0", 2, 1, 0, 1, {}, "Invalid floating point operation."},
    {"InfinityOverInfinity", "200", "2000", 2, 1, 2, 1, {}, "Invalid floating point operation."},
    {"PowerUnderflowsToZero", "-200", "2000", 0, 1, 2, 1, {}, "Floating point division by zero."},
};

class Conversion : public MainWindow, public ::testing::WithParamInterface<ConvertCase> {};

TEST_P(Conversion, WritesTheResultOrReportsOneMessageAndKeepsTheOutput) {
    const ConvertCase& c = GetParam();
    pick(form->cbb1, c.lengthIn);
    pick(form->cbb2, c.forceIn);
    pick(form->cbb3, c.lengthOut);
    pick(form->cbb4, c.forceOut);
    typeInto(form->edt1, c.alpha);
    typeInto(form->edt2, c.coefficient);
    typeInto(form->edt3, "typed by hand");
    const QString label5 = form->lbl5->text();
    const QString label9 = form->lbl9->text();

    convert();

    if (c.message.isEmpty()) {
        EXPECT_EQ(errors.messages(), QStringList());
        EXPECT_EQ(form->edt3->text(), c.result);
    } else {
        EXPECT_EQ(errors.messages(), QStringList(c.message));
        EXPECT_EQ(form->edt3->text(), "typed by hand");
    }
    // Nothing but edt3 changes.
    EXPECT_EQ(form->edt1->text(), c.alpha);
    EXPECT_EQ(form->edt2->text(), c.coefficient);
    EXPECT_EQ(form->lbl5->text(), label5);
    EXPECT_EQ(form->lbl9->text(), label9);
}

INSTANTIATE_TEST_SUITE_P(SinglePoint, Conversion, ::testing::ValuesIn(convertCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(MainWindow, ControlCharactersAroundTheTextAreTrimmed) {
    form->edt2->setText(QStringLiteral("\t2000\r\n")); // as pasted
    form->edt1->setText(QStringLiteral("\x1f" "0.4\x01"));
    convert();
    EXPECT_EQ(form->edt3->text(), "126.191");
    EXPECT_TRUE(errors.messages().isEmpty());
}

// Only characters up to code 32 are trimmed; anything else, a no-break
// space or full-width digits included, is part of the text and is reported
// exactly as it stands.
TEST_F(MainWindow, NonAsciiTextIsNotTrimmedAndReportedAsItStands) {
    const QString texts[] = {QString::fromUtf8("2000\u00a0"), QString::fromUtf8("\u00a02000"),
                             QString::fromUtf8("\uff12\uff10\uff10\uff10"),
                             QString::fromUtf8("2000\u2009")};
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        errors.clear();
        form->edt2->setText(text); // as pasted
        convert();
        EXPECT_EQ(errors.messages(),
                  QStringList(u'\'' + text + QStringLiteral("' is not a valid floating point value.")));
        EXPECT_EQ(form->edt3->text(), "");
    }
}

TEST_F(MainWindow, AfterAFailureTheUserCorrectsTheTextAndConvertsAgain) {
    typeInto(form->edt3, "mine");
    typeInto(form->edt2, "20o0");
    convert();
    EXPECT_EQ(errors.messages(), QStringList("'20o0' is not a valid floating point value."));
    EXPECT_EQ(form->edt3->text(), "mine");
    EXPECT_TRUE(form->isVisible());

    typeInto(form->edt2, "2000");
    convert();
    EXPECT_EQ(form->edt3->text(), "126.191");
    EXPECT_EQ(errors.messages().size(), 1);
}

// -- error report ------------------------------------------------------------------

TEST(ReportText, FullStopOnlyAfterCharactersAboveTheFullStop) {
    const std::pair<QString, QString> cases[] = {
        {"'abc' is not a valid floating point value", "'abc' is not a valid floating point value."},
        {"Floating point overflow", "Floating point overflow."},
        {"List index out of bounds (2)", "List index out of bounds (2)"},
        {"Done.", "Done."},
        {"trailing blank ", "trailing blank "},
        {"tab\t", "tab\t"},
        {"a-", "a-"},         // 45
        {"a,", "a,"},         // 44
        {"a/", "a/."},        // 47
        {"x0", "x0."},
        {QString::fromUtf8("单点"), QString::fromUtf8("单点.")},
        {"", ""},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(quendrix::reportText(message), shown) << message.toStdString();
}

TEST(Dispatch, ReportsOurMessageAndAnEmptyOneForAnythingElse) {
    ErrorCapture errors;
    quendrix::dispatch([] { throw quendrix::EZeroDivide(); });
    quendrix::dispatch([] { throw std::runtime_error("not ours"); });
    quendrix::dispatch([] { throw 42; });
    quendrix::dispatch([] {});
    EXPECT_EQ(errors.messages(),
              QStringList({"Floating point division by zero.", QString(), QString()}));
}

TEST(Dispatch, HandlerIsAbandonedAtTheFailure) {
    ErrorCapture errors;
    int steps = 0;
    quendrix::dispatch([&] {
        ++steps;
        throw quendrix::EConvertError("'q' is not a valid floating point value");
        ++steps; // never reached
    });
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(errors.messages(), QStringList("'q' is not a valid floating point value."));
}

// The real report: a modal message box over the window, error icon, one OK
// button, the application's title as caption.
TEST_F(MainWindow, FailureShowsTheRealMessageBox) {
    const auto presenter = quendrix::setErrorPresenter({}); // the real box
    struct Seen {
        bool shown = false;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        qsizetype buttonCount = 0;
        bool modal = false;
        QWidget* parent = nullptr;
    } seen;
    quendrix::test::handleNextModal([&seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr) << quendrix::test::describeWidget(modal).toStdString();
        seen = {true,          box->windowTitle(),   box->text(),
                box->icon(),   box->standardButtons(), box->buttons().size(),
                box->isModal(), box->parentWidget()};
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    activate();
    typeInto(form->edt3, "kept");
    typeInto(form->edt2, "abc");
    convert(); // returns once the box is closed
    quendrix::setErrorPresenter(presenter);

    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.text, "'abc' is not a valid floating point value.");
    EXPECT_EQ(seen.title, quendrix::applicationTitle());
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.buttonCount, 1);
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.parent, form.get());
    EXPECT_EQ(form->edt3->text(), "kept");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// -- regional settings with a decimal comma -----------------------------------------
//
// These run in a process of their own with LANG and LC_ALL set to German
// (the ctest entry ...CommaLocale); in any other process they are skipped.

class CommaLocale : public MainWindow {
protected:
    void SetUp() override {
        const bool required = qEnvironmentVariableIsSet("QUENDRIX_REQUIRE_COMMA_LOCALE");
        if (QLocale::system().decimalPoint() != u',') {
            if (required)
                FAIL() << "QLocale::system() (" << QLocale::system().name().toStdString()
                       << ") has no decimal comma";
            GTEST_SKIP() << "the regional settings have no decimal comma";
        }
        // QCoreApplication has set the C library's locale from the
        // environment too: a conversion that leaned on it would go wrong here.
        if (required) {
            ASSERT_STREQ(std::localeconv()->decimal_point, ",")
                << "the C library has no German locale (LOCPATH?)";
        }
        MainWindow::SetUp();
    }
};

TEST_F(CommaLocale, PointFailsCommaConvertsAndTheResultShowsAComma) {
    const struct {
        QString alpha, coefficient, result, message;
    } cases[] = {
        {"0.4", "2000", {}, "'0.4' is not a valid floating point value."},
        {"0,4", "2000", "126,191", {}},
        {"0,4", "2000,5", "126,223", {}},
        {"0,4", "2e3", "126,191", {}},
        {"-0,4", "2000", "31697,864", {}},
        {"0,4", "1.5", {}, "'1.5' is not a valid floating point value."},
        {"0,4", "1,5,0", {}, "'1,5,0' is not a valid floating point value."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.alpha + u' ' + c.coefficient).toStdString());
        errors.clear();
        typeInto(form->edt3, "before");
        typeInto(form->edt1, c.alpha);
        typeInto(form->edt2, c.coefficient);
        convert();
        if (c.message.isEmpty()) {
            EXPECT_EQ(errors.messages(), QStringList());
            EXPECT_EQ(form->edt3->text(), c.result);
        } else {
            EXPECT_EQ(errors.messages(), QStringList(c.message));
            EXPECT_EQ(form->edt3->text(), "before");
        }
    }
}

TEST(ApplicationTitle, OfTheShippedExecutableIsQuendrix) {
    EXPECT_EQ(quendrix::applicationTitleFor(QStringLiteral(QUENDRIX_EXECUTABLE)), "Quendrix");
}

} // namespace
