// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit1.h"

#include "About.h"
#include "Convert.h"
#include "Deployment.h"
#include "DonationForm.h"
#include "ErrorReport.h"
#include "NumberText.h"
#include "Pictures.h"
#include "Units.h"
#include "WebLinks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QLocale>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>
#include <limits>
#include <string_view>

TForm1* Form1 = nullptr;

namespace quendrix {

namespace {

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

QByteArray decimalSeparator() {
    return QLocale::system().decimalPoint().toUtf8();
}

double parseNumberField(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const QByteArray separator = decimalSeparator();
    return ParseFloat(Trim(view(utf8)), view(separator));
}

QString formatResult(double value) {
    const QByteArray separator = decimalSeparator();
    return QString::fromStdString(ResultFormat(value, view(separator)));
}

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns)
            p = p.trimmed();
        filters.append(parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters;
}

QPoint centredPosition(const QSize& frame, const QRect& available) {
    const int x = available.left() + (available.width() - frame.width()) / 2;
    const int y = available.top() + (available.height() - frame.height()) / 2;
    return {std::max(x, available.left()), std::max(y, available.top())};
}

} // namespace quendrix

namespace {

using namespace quendrix;

// Distances of the chart's place to the client area's edges.
constexpr int ChartLeft = 403;
constexpr int ChartTop = 8;
constexpr int ChartRight = 11;
constexpr int ChartBottom = 33;

const char* const FileFilter =
    "CSV Files|*csv|TXT(*txt)|*txt|Excel 97-2003 工作簿(*.xls)|*.xls|"
    "Word 97-2003 工作簿(*.doc)|*.doc";

QFont windowFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QFont paneFont(const char* family) {
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A label at left, top, as large as its caption.
QLabel* makeLabel(QWidget* parent, const char* name, const char* caption, int left, int top) {
    auto* label = named(new QLabel(text(caption), parent), name);
    label->setTextFormat(Qt::PlainText);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// A plain single-line field: no filter, no length limit of its own.
QLineEdit* makeEdit(QWidget* parent, const char* name, const char* value, const QRect& place) {
    auto* edit = named(new QLineEdit(text(value), parent), name);
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setGeometry(place);
    return edit;
}

// A drop-down list of a unit table's texts: pick only, always a selection.
template <typename Table>
QComboBox* makeUnitList(QWidget* parent, const char* name, const Table& units, int selected,
                        const QRect& place) {
    auto* list = named(new QComboBox(parent), name);
    list->setEditable(false);
    for (const auto& unit : units)
        list->addItem(QString::fromUtf8(unit.text.data(), static_cast<qsizetype>(unit.text.size())));
    list->setCurrentIndex(selected);
    list->setGeometry(place);
    return list;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, const QRect& place) {
    auto* button = named(new QPushButton(text(caption), parent), name);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(place);
    return button;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const char* caption, const QRect& place) {
    auto* group = named(new QGroupBox(text(caption), parent), name);
    group->setGeometry(place);
    return group;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));

    // 1. Every widget with its design values.
    client_ = named(new QWidget(this), "client");
    client_->setFont(windowFont());
    setCentralWidget(client_);
    createMenu();
    createFileDialogs();
    createSinglePointPanel();
    createChartPlace();
    createCurvePanel();
    createStatusBar();
    arrangeTabOrder();
    connectHandlers();
    client_->installEventFilter(this);
    resize(ClientWidth, ClientHeight + mm1->sizeHint().height());
    layoutAnchored();

    // 2. The export options record is zeroed with the window's storage
    //    (value-initialised member).

    // 3. Caption.
    setWindowTitle(QStringLiteral("Quendrix"));
    setWindowIcon(pictures::applicationIcon());

    // 4. The export options record's defaults.
    excelOp.SetDefaults();

    // 5. Both file dialogs start in the program's own directory.
    const QString programDir = QCoreApplication::applicationDirPath();
    dlgOpen1->setDirectory(programDir);
    dlgSave1->setDirectory(programDir);

    // 6. The three unit labels.
    UpdateUnitLabel(cbb1->currentText(), cbb2->currentText(), lbl5);
    UpdateUnitLabel(cbb3->currentText(), cbb4->currentText(), lbl9);
    UpdateUnitLabel(cbb5->currentText(), cbb6->currentText(), lbl14);
}

TForm1::~TForm1() = default;

void TForm1::createMenu() {
    mm1 = named(new QMenuBar(this), "mm1");
    setMenuBar(mm1);
    // "File" is a top-level item without entries; choosing it does nothing.
    mniImportData1 = named(mm1->addAction(QStringLiteral("File")), "mniImportData1");
    mniAbout1 = named(mm1->addMenu(QStringLiteral("Help")), "mniAbout1");

    const QString host = QString::fromLatin1(deployment::HomeHost);
    mniAbout2 = named(mniAbout1->addAction(QStringLiteral("About")), "mniAbout2");
    mniDonation1 = named(mniAbout1->addAction(text("Donation(捐助)")), "mniDonation1");
    mniVisitSite = named(mniAbout1->addAction(text("访问 ") + host), "mniVisitSite");
    mniHowtouse1 = named(mniAbout1->addAction(text("使用帮助 How to use?")), "mniHowtouse1");
    mniSoftwareBox =
        named(mniAbout1->addAction(text("软件盒子(") + host + u')'), "mniSoftwareBox");
}

void TForm1::createFileDialogs() {
    const QStringList filters = qtNameFilters(text(FileFilter));
    dlgOpen1 = named(new FileDialog(QFileDialog::AcceptOpen, this), "dlgOpen1");
    dlgOpen1->setNameFilters(filters);
    dlgSave1 = named(new FileDialog(QFileDialog::AcceptSave, this), "dlgSave1");
    dlgSave1->setNameFilters(filters);
}

void TForm1::createSinglePointPanel() {
    grp3 = makeGroup(client_, "grp3", "单点计算", {8, 8, 384, 265});

    grp1 = makeGroup(grp3, "grp1", "Input", {14, 57, 356, 96});
    lbl4 = makeLabel(grp1, "lbl4", "Damping coefficient", 24, 66);
    lbl2 = makeLabel(grp1, "lbl2", "Length Unit", 24, 28);
    lbl3 = makeLabel(grp1, "lbl3", "Force Unit", 197, 28);
    lbl5 = makeLabel(grp1, "lbl5", "Unit", 229, 66);
    edt2 = makeEdit(grp1, "edt2", "2000", {134, 63, 75, 21});
    cbb1 = makeUnitList(grp1, "cbb1", LengthUnits, 0, {93, 24, 75, 21});
    cbb2 = makeUnitList(grp1, "cbb2", ForceUnits, 1, {261, 24, 75, 21});

    grp2 = makeGroup(grp3, "grp2", "OutPut", {14, 159, 357, 93});
    lbl6 = makeLabel(grp2, "lbl6", "Damping coefficient", 24, 60);
    lbl7 = makeLabel(grp2, "lbl7", "Length Unit", 24, 28);
    lbl8 = makeLabel(grp2, "lbl8", "Force Unit", 192, 28);
    lbl9 = makeLabel(grp2, "lbl9", "Unit", 229, 60);
    edt3 = makeEdit(grp2, "edt3", "", {134, 57, 75, 21});
    cbb3 = makeUnitList(grp2, "cbb3", LengthUnits, 2, {93, 24, 75, 21});
    cbb4 = makeUnitList(grp2, "cbb4", ForceUnits, 1, {261, 24, 75, 21});

    lbl1 = makeLabel(grp3, "lbl1", "Damping Exponent (Cexp)", 14, 33);
    edt1 = makeEdit(grp3, "edt1", "0.4", {147, 30, 76, 21});
    btn1 = makeButton(grp3, "btn1", "Convert", {243, 27, 128, 25});
}

void TForm1::createChartPlace() {
    cht1 = named(new QWidget(client_), "cht1");
    cht1->setFocusPolicy(Qt::NoFocus);
    cht1->setGeometry(ChartLeft, ChartTop, ClientWidth - ChartLeft - ChartRight,
                      ClientHeight - ChartTop - ChartBottom);
}

void TForm1::createCurvePanel() {
    grp4 = makeGroup(client_, "grp4", "参数曲线", {8, 279, 384, 242});
    lbl10 = makeLabel(grp4, "lbl10", "Damping Exponent  (Cexp)", 13, 32);

    grp5 = makeGroup(grp4, "grp5", "Input", {13, 57, 358, 115});
    lbl11 = makeLabel(grp5, "lbl11", "Damping coefficients", 25, 66);
    lbl12 = makeLabel(grp5, "lbl12", "Length Unit", 24, 28);
    lbl13 = makeLabel(grp5, "lbl13", "Force Unit", 193, 31);
    lbl14 = makeLabel(grp5, "lbl14", "Damping coefficient", 243, 90);
    edt4 = makeEdit(grp5, "edt4", "2000:500:20000", {134, 63, 203, 21});
    cbb5 = makeUnitList(grp5, "cbb5", LengthUnits, 0, {94, 25, 75, 21});
    cbb6 = makeUnitList(grp5, "cbb6", ForceUnits, 1, {262, 28, 75, 21});

    grp6 = makeGroup(grp4, "grp6", "OutPut", {13, 178, 358, 55});
    lbl16 = makeLabel(grp6, "lbl16", "Length Unit", 24, 28);
    lbl17 = makeLabel(grp6, "lbl17", "Force Unit", 199, 27);
    cbb7 = makeUnitList(grp6, "cbb7", LengthUnits, 2, {94, 24, 75, 21});
    cbb8 = makeUnitList(grp6, "cbb8", ForceUnits, 1, {262, 24, 75, 21});

    edt6 = makeEdit(grp4, "edt6", "0.4", {147, 29, 75, 21});
    btn2 = makeButton(grp4, "btn2", "绘制参数曲线", {243, 26, 128, 25});
}

void TForm1::createStatusBar() {
    rzstsbr2 = named(new StatusBar(client_), "rzstsbr2");
    rzfldsts1 = named(new StatusPane, "rzfldsts1");
    rzfldsts2 = named(new StatusPane, "rzfldsts2");
    rzfldsts3 = named(new StatusPane, "rzfldsts3");

    rzfldsts3->setText(QStringLiteral("  ") + text(deployment::MakerShortName));
    rzfldsts3->setFont(paneFont("Tahoma"));
    rzfldsts1->setText(QStringLiteral("  Welcome to my Website :      "));
    rzfldsts1->setFont(paneFont("MS Sans Serif"));
    rzfldsts2->setText(u' ' + QString::fromLatin1(deployment::HomeHost) +
                       QStringLiteral("       "));
    rzfldsts2->setFont(paneFont("MS Sans Serif"));
    rzfldsts2->setFontColor(Qt::black);
    rzfldsts2->setBorderWidth(3);

    rzstsbr2->addPane(rzfldsts3, 93);
    rzstsbr2->addPane(rzfldsts1, 167);
    rzstsbr2->addPane(rzfldsts2, 111);
}

void TForm1::arrangeTabOrder() {
    // grp3 (grp1, grp2, edt1, btn1), then the chart (takes no focus), then
    // grp4 (grp5, grp6, edt6, btn2).
    const QWidget* const order[] = {edt2, cbb1, cbb2, edt3, cbb3, cbb4, edt1, btn1,
                                    edt4, cbb5, cbb6, cbb7, cbb8, edt6, btn2};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
    // The first field in tab order has the focus when the window opens.
    edt2->setFocus(Qt::OtherFocusReason);
}

void TForm1::connectHandlers() {
    connectHandler(btn1, &QPushButton::clicked, this, &TForm1::btn1Click);
    connectHandler(cbb1, &QComboBox::activated, this, &TForm1::cbb1Change);
    connectHandler(cbb2, &QComboBox::activated, this, &TForm1::cbb2Change);
    connectHandler(cbb3, &QComboBox::activated, this, &TForm1::cbb3Change);
    connectHandler(cbb4, &QComboBox::activated, this, &TForm1::cbb4Change);
    connectHandler(cbb5, &QComboBox::activated, this, &TForm1::cbb5Change);
    connectHandler(cbb6, &QComboBox::activated, this, &TForm1::cbb6Change);
    connectHandler(btn2, &QPushButton::clicked, this, &TForm1::btn2Click);
    connectHandler(mniAbout2, &QAction::triggered, this, &TForm1::mniAbout2Click);
    connectHandler(mniDonation1, &QAction::triggered, this, &TForm1::mniDonation1Click);
    connectHandler(mniVisitSite, &QAction::triggered, this, &TForm1::mniVisitSiteClick);
    connectHandler(mniHowtouse1, &QAction::triggered, this, &TForm1::mniHowtouse1Click);
    connectHandler(mniSoftwareBox, &QAction::triggered, this, &TForm1::mniSoftwareBoxClick);
    connectHandler(rzfldsts2, &StatusPane::clicked, this, &TForm1::rzfldsts2Click);
    connectHandler(rzfldsts2, &StatusPane::mouseMoved, this, &TForm1::rzfldsts2MouseMove);
    connectHandler(rzfldsts2, &StatusPane::mouseLeft, this, &TForm1::rzfldsts2MouseLeave);
}

void TForm1::layoutAnchored() {
    // The panels stay at the top left; the chart keeps its distance to all
    // four edges; the status bar is docked at the bottom over the full width.
    const int w = client_->width();
    const int h = client_->height();
    cht1->setGeometry(ChartLeft, ChartTop, std::max(0, w - ChartLeft - ChartRight),
                      std::max(0, h - ChartTop - ChartBottom));
    rzstsbr2->setGeometry(0, h - StatusBar::DefaultHeight, w, StatusBar::DefaultHeight);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize)
        layoutAnchored();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event) {
    if (!shownOnce_ && !event->spontaneous()) {
        shownOnce_ = true;
        if (const QScreen* s = screen())
            move(centredPosition(frameGeometry().size(), s->availableGeometry()));
    }
    QMainWindow::showEvent(event);
}

void TForm1::UpdateUnitLabel(const QString& lengthUnit, const QString& forceUnit, QLabel* label) {
    const std::string unitText =
        CoefficientUnitText(forceUnit.toStdString(), lengthUnit.toStdString());
    label->setText(QString::fromStdString(unitText));
    label->adjustSize();
}

// -- single-point panel -------------------------------------------------------

void TForm1::btn1Click(QObject*) {
    const UnitFactors factors = GetUnitFactors(cbb1->currentIndex(), cbb2->currentIndex(),
                                               cbb3->currentIndex(), cbb4->currentIndex());
    // The exponent is read first: with both texts wrong only its text is told.
    const double alpha = parseNumberField(edt1->text());
    const double c = parseNumberField(edt2->text());
    const double result = ConvertCoefficient(alpha, c, factors);
    edt3->setText(formatResult(result));
}

void TForm1::cbb1Change(QObject*) {
    UpdateUnitLabel(cbb1->currentText(), cbb2->currentText(), lbl5);
}

void TForm1::cbb2Change(QObject*) {
    UpdateUnitLabel(cbb1->currentText(), cbb2->currentText(), lbl5);
}

void TForm1::cbb3Change(QObject*) {
    UpdateUnitLabel(cbb3->currentText(), cbb4->currentText(), lbl9);
}

void TForm1::cbb4Change(QObject*) {
    UpdateUnitLabel(cbb3->currentText(), cbb4->currentText(), lbl9);
}

// -- parameter-curve panel ----------------------------------------------------

void TForm1::cbb5Change(QObject*) {
    UpdateUnitLabel(cbb5->currentText(), cbb6->currentText(), lbl14);
}

void TForm1::cbb6Change(QObject*) {
    UpdateUnitLabel(cbb5->currentText(), cbb6->currentText(), lbl14);
}

// -- chart --------------------------------------------------------------------

void TForm1::btn2Click(QObject*) {
}

// -- web links and information dialogs -----------------------------------------

void TForm1::mniAbout2Click(QObject*) {
    ShowAbout(this);
}

void TForm1::mniDonation1Click(QObject*) {
    ShowDonation(this);
}

void TForm1::mniVisitSiteClick(QObject*) {
    OpenWebPage(this, HomePage());
}

void TForm1::mniHowtouse1Click(QObject*) {
    // There is no help page of its own: the home page.
    OpenWebPage(this, HomePage());
}

void TForm1::mniSoftwareBoxClick(QObject*) {
    OpenWebPage(this, SoftwareBoxPage());
}

void TForm1::rzfldsts2Click(QObject*) {
    // The pane shows the host name and opens it as it stands.
    OpenWebPage(this, HomeHost());
}

void TForm1::rzfldsts2MouseMove(QObject*, Qt::KeyboardModifiers, int, int) {
    ShowLinkHover(rzfldsts2);
}

void TForm1::rzfldsts2MouseLeave(QObject*) {
    ShowLinkNormal(rzfldsts2, linkBlack());
}
