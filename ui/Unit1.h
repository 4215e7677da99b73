// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: menu, single-point panel, parameter-curve panel, chart,
// status bar and the two (never opened) file dialogs.

#include "Exportexcel.h"
#include "StatusBar.h"

#include "FileDialog.h"

#include <QAction>
#include <QByteArray>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QSize>
#include <QStringList>

namespace quendrix {

// The user's decimal separator (QLocale::system()), as UTF-8 for the engine.
QByteArray decimalSeparator();

// A number field's text: trimmed of characters of code 32 and below, then
// parsed with the user's decimal separator. Throws EConvertError / EOverflow.
double parseNumberField(const QString& text);

// ResultFormat() of value with the user's decimal separator.
QString formatResult(double value);

// A "Description|pattern;pattern|..." filter as the name filters of a
// file dialog ("Description (pattern pattern)").
QStringList qtNameFilters(const QString& filter);

// Top-left corner that centres a window of size frame on the available
// area, kept inside it when the window is larger, so its title bar is
// always reachable.
QPoint centredPosition(const QSize& frame, const QRect& available);

} // namespace quendrix

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Design values of the window and its places.
    static constexpr int ClientWidth = 1173;
    static constexpr int ClientHeight = 555;

    // The widgets, in the order of the window's design. All are owned by
    // the window; their object names are the member names.
    QMenuBar* mm1;
    QAction* mniImportData1;
    QMenu* mniAbout1;
    QAction* mniAbout2;
    QAction* mniDonation1;
    QAction* mniVisitSite;
    QAction* mniHowtouse1;
    QAction* mniSoftwareBox;
    quendrix::FileDialog* dlgOpen1; // never opened
    quendrix::FileDialog* dlgSave1; // never opened
    QGroupBox* grp3;
    QGroupBox* grp1;
    QLabel* lbl4;
    QLabel* lbl2;
    QLabel* lbl3;
    QLabel* lbl5;
    QLineEdit* edt2;
    QComboBox* cbb1;
    QComboBox* cbb2;
    QGroupBox* grp2;
    QLabel* lbl6;
    QLabel* lbl7;
    QLabel* lbl8;
    QLabel* lbl9;
    QLineEdit* edt3;
    QComboBox* cbb3;
    QComboBox* cbb4;
    QLabel* lbl1;
    QLineEdit* edt1;
    QPushButton* btn1;
    QWidget* cht1; // the chart's place; the chart widget goes here
    QGroupBox* grp4;
    QLabel* lbl10;
    QGroupBox* grp5;
    QLabel* lbl11;
    QLabel* lbl12;
    QLabel* lbl13;
    QLabel* lbl14;
    QLineEdit* edt4;
    QComboBox* cbb5;
    QComboBox* cbb6;
    QGroupBox* grp6;
    QLabel* lbl16;
    QLabel* lbl17;
    QComboBox* cbb7;
    QComboBox* cbb8;
    QLineEdit* edt6;
    QPushButton* btn2;
    QObject* lnsrsSeries1 = nullptr; // the chart's line series, made with the chart
    quendrix::StatusBar* rzstsbr2;
    quendrix::StatusPane* rzfldsts1;
    quendrix::StatusPane* rzfldsts2;
    quendrix::StatusPane* rzfldsts3;
    // The chart-export settings, held by value for the window's whole life.
    quendrix::ExcelOp excelOp{};

    // The area below the menu bar that holds the panels, the chart and the
    // status bar (1173 x 555 at the design size).
    QWidget* clientArea() const { return client_; }

    // Sets label to the coefficient unit text of the force and length unit
    // texts, for instance KN*(s/m)^Cexp, and sizes it to its caption.
    void UpdateUnitLabel(const QString& lengthUnit, const QString& forceUnit, QLabel* label);

    // Event handlers. Each takes the sender, may throw, and is connected
    // through quendrix::connectHandler(), which reports what escapes.
public slots:
    void btn1Click(QObject* Sender);
    void cbb1Change(QObject* Sender);
    void cbb2Change(QObject* Sender);
    void cbb3Change(QObject* Sender);
    void cbb4Change(QObject* Sender);
    void cbb5Change(QObject* Sender);
    void cbb6Change(QObject* Sender);
    void btn2Click(QObject* Sender);
    void mniAbout2Click(QObject* Sender);
    void mniDonation1Click(QObject* Sender);
    void mniVisitSiteClick(QObject* Sender);
    void mniHowtouse1Click(QObject* Sender);
    void mniSoftwareBoxClick(QObject* Sender);
    void rzfldsts2Click(QObject* Sender);
    void rzfldsts2MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void rzfldsts2MouseLeave(QObject* Sender);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenu();
    void createFileDialogs();
    void createSinglePointPanel();
    void createCurvePanel();
    void createChartPlace();
    void createStatusBar();
    void arrangeTabOrder();
    void connectHandlers();
    void layoutAnchored();

    QWidget* client_;
    bool shownOnce_ = false;
};

// The one main window, filled at start-up.
extern TForm1* Form1;
