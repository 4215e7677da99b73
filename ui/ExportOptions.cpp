// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExportOptions.h"

#include "ErrorReport.h"
#include "Errors.h"
#include "Exportexcel.h"
#include "ModalDialog.h"
#include "NumberText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace quendrix {

TExportOptionForm* ExportOptionForm = nullptr;

namespace {

// Drops every leading and trailing character of code 32 or below.
QString trimmed32(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

std::int32_t integerIn(const QString& text) {
    const QByteArray utf8 = trimmed32(text).toUtf8();
    return ParseInt(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

float singleIn(const QString& text) {
    const QByteArray utf8 = trimmed32(text).toUtf8();
    const QByteArray separator = QLocale::system().decimalPoint().toUtf8();
    return ParseSingle(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                       std::string_view(separator.constData(),
                                        static_cast<std::size_t>(separator.size())));
}

template <typename W> W* child(QWidget* parent, const char* name, const QRect& place) {
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(place);
    return w;
}

QGroupBox* group(QWidget* parent, const char* name, const QString& title, const QRect& place) {
    auto* g = child<QGroupBox>(parent, name, place);
    g->setTitle(title);
    return g;
}

QLabel* label(QGroupBox* parent, const char* name, const QString& text, int top) {
    auto* l = child<QLabel>(parent, name, QRect(10, top + 3, 100, 15));
    l->setText(text);
    return l;
}

QLineEdit* edit(QGroupBox* parent, const char* name, const QString& text, int top) {
    auto* e = child<QLineEdit>(parent, name, QRect(112, top, 92, 21));
    e->setText(text);
    return e;
}

QCheckBox* checkBox(QGroupBox* parent, const char* name, const QString& text, int top,
                    bool checked) {
    auto* c = child<QCheckBox>(parent, name, QRect(12, top, 180, 17));
    c->setText(text);
    c->setChecked(checked);
    return c;
}

QComboBox* comboBox(QGroupBox* parent, const char* name, bool editable, const QStringList& items,
                    int selected, int top) {
    auto* c = child<QComboBox>(parent, name, QRect(112, top, 92, 21));
    c->setEditable(editable);
    c->addItems(items);
    c->setCurrentIndex(selected);
    return c;
}

QStringList numbers(int from, int to) {
    QStringList list;
    for (int i = from; i <= to; ++i)
        list << QString::number(i);
    return list;
}

} // namespace

TExportOptionForm::TExportOptionForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ExportOptionForm"));
    setWindowTitle(QStringLiteral("Export Options"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    setFont(tahoma);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    resize(463, 480);

    const QStringList colourModes{QStringLiteral("Auto"), QStringLiteral("Same as Plot Panel")};

    grp1 = group(this, "grp1", QStringLiteral("Serie"), QRect(8, 8, 217, 216));
    lbl1 = label(grp1, "lbl1", QStringLiteral("Line Weight"), 24);
    cbb1 = comboBox(grp1, "cbb1", true,
                    {QStringLiteral("0"), QStringLiteral("0.25"), QStringLiteral("0.5"),
                     QStringLiteral("0.75"), QStringLiteral("1"), QStringLiteral("1.25"),
                     QStringLiteral("1.5")},
                    2, 24);
    lbl2 = label(grp1, "lbl2", QStringLiteral("Line Color"), 55);
    cbb4 = comboBox(grp1, "cbb4", false, colourModes, 0, 55);
    chk1 = checkBox(grp1, "chk1", QStringLiteral("Show Maker"), 88, true);
    lbl3 = label(grp1, "lbl3", QStringLiteral("Maker Style"), 117);
    cbb2 = comboBox(grp1, "cbb2", false, numbers(1, 9), 7, 117);
    lbl4 = label(grp1, "lbl4", QStringLiteral("Maker Size"), 148);
    cbb3 = comboBox(grp1, "cbb3", true, numbers(2, 10), 2, 148);
    lbl5 = label(grp1, "lbl5", QStringLiteral("Maker Color"), 179);
    cbb5 = comboBox(grp1, "cbb5", false, colourModes, 0, 179);

    grp2 = group(this, "grp2", QStringLiteral("Axis"), QRect(8, 230, 217, 243));
    chk2 = checkBox(grp2, "chk2", QStringLiteral("Show Axis Title"), 22, false);
    lbl6 = label(grp2, "lbl6", QStringLiteral("X Axis Title"), 47);
    edt1 = edit(grp2, "edt1", QStringLiteral("X Axis"), 47);
    lbl7 = label(grp2, "lbl7", QStringLiteral("Y Axis Title"), 74);
    edt2 = edit(grp2, "edt2", QStringLiteral("Y Axis"), 74);
    lbl8 = label(grp2, "lbl8", QStringLiteral("Font Size"), 101);
    edt9 = edit(grp2, "edt9", QStringLiteral("10"), 101);
    chk6 = checkBox(grp2, "chk6", QStringLiteral("Show Axis Line"), 130, false);
    lbl9 = label(grp2, "lbl9", QStringLiteral("X Axis Position"), 155);
    edt6 = edit(grp2, "edt6", QStringLiteral("-1000"), 155);
    lbl10 = label(grp2, "lbl10", QStringLiteral("Y Axis Position"), 182);
    edt7 = edit(grp2, "edt7", QStringLiteral("-1000"), 182);
    lbl11 = label(grp2, "lbl11", QStringLiteral("Ticklabel Font Size"), 209);
    edt8 = edit(grp2, "edt8", QStringLiteral("10"), 209);

    grp4 = group(this, "grp4", QStringLiteral("Lengend"), QRect(238, 8, 214, 105));
    chk3 = checkBox(grp4, "chk3", QStringLiteral("Show Lengend"), 22, true);
    chk4 = checkBox(grp4, "chk4", QStringLiteral("IncludeInLayout"), 46, false);
    lbl12 = label(grp4, "lbl12", QStringLiteral("Font Size"), 72);
    edt10 = edit(grp4, "edt10", QStringLiteral("10"), 72);

    grp5 = group(this, "grp5", QStringLiteral("Title"), QRect(238, 119, 214, 112));
    chk5 = checkBox(grp5, "chk5", QStringLiteral("Show Graph Title"), 22, false);
    lbl13 = label(grp5, "lbl13", QStringLiteral("Title"), 50);
    edt5 = edit(grp5, "edt5", QStringLiteral("Graph Title"), 50);
    lbl14 = label(grp5, "lbl14", QStringLiteral("Font Size"), 80);
    edt11 = edit(grp5, "edt11", QStringLiteral("14"), 80);

    grp3 = group(this, "grp3", QStringLiteral("Plot Area"), QRect(237, 237, 214, 108));
    lbl15 = label(grp3, "lbl15", QStringLiteral("Height"), 22);
    edt3 = edit(grp3, "edt3", QStringLiteral("250"), 22);
    lbl16 = label(grp3, "lbl16", QStringLiteral("Width"), 50);
    edt4 = edit(grp3, "edt4", QStringLiteral("450"), 50);
    chk7 = checkBox(grp3, "chk7", QStringLiteral("Show Plot Area Line"), 80, false);

    grp6 = group(this, "grp6", QStringLiteral("Export Mode"), QRect(237, 357, 215, 81));
    rb1 = child<QRadioButton>(grp6, "rb1", QRect(12, 22, 180, 17));
    rb1->setText(QStringLiteral("Single Output"));
    rb1->setChecked(true);
    rb2 = child<QRadioButton>(grp6, "rb2", QRect(12, 48, 180, 17));
    rb2->setText(QStringLiteral("Combined Output"));

    btn1 = child<QPushButton>(this, "btn1", QRect(237, 444, 96, 25));
    btn1->setText(QStringLiteral("Update"));
    btn2 = child<QPushButton>(this, "btn2", QRect(348, 444, 104, 25));
    btn2->setText(QStringLiteral("Close"));
    // No button is the dialog's default: Enter in a field does nothing.
    btn1->setAutoDefault(false);
    btn2->setAutoDefault(false);
    // Through the dispatch layer: a failing step reaches the one error report.
    connect(btn1, &QPushButton::clicked, this, [this] { dispatch([this] { btn1Click(); }); });
    connect(btn2, &QPushButton::clicked, this, [this] { dispatch([this] { btn2Click(); }); });

    Options = nullptr;
}

void TExportOptionForm::showDialog() {
    show();
    raise();
    activateWindow();
}

void TExportOptionForm::btn1Click() {
    if (Options == nullptr)
        throw Exception("No export options record is attached to the dialog");
    ExcelOp& o = *Options;
    o.Width = integerIn(edt4->text());
    o.Height = integerIn(edt3->text());
    o.ShowLegend = chk3->isChecked();
    o.LegendIncludeInLayout = chk4->isChecked();
    o.LineWeight = singleIn(cbb1->currentText());
    o.MarkerSize = integerIn(cbb3->currentText());
    o.ShowMarker = chk1->isChecked();
    o.MarkerStyle = integerIn(cbb2->currentText());
    o.TickLabelFontSize = integerIn(edt8->text());
    o.AxisFontSize = integerIn(edt9->text());
    o.LegendFontSize = integerIn(edt10->text());
    o.ShowTitle = chk5->isChecked();
    o.Title = trimmed32(edt5->text()).toLocal8Bit();
    o.TitleFontSize = integerIn(edt11->text());
    o.ShowAxisLine = chk6->isChecked();
    o.XAxisPosition = edt6->text().toLocal8Bit();
    o.YAxisPosition = edt7->text().toLocal8Bit();
    o.ShowAxisTitle = chk2->isChecked();
    o.XAxisTitle = edt1->text().toLocal8Bit();
    o.YAxisTitle = edt2->text().toLocal8Bit();
    o.ShowPlotAreaLine = chk7->isChecked();
    o.LineColorMode = cbb4->currentIndex();
    o.MarkerColorMode = cbb5->currentIndex();
    o.ExportMode = rb1->isChecked() ? 0 : 1;
}

void TExportOptionForm::btn2Click() {
    close();
}

void TExportOptionForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // Centred over the main window (the owner's window, or the application's
    // visible main window), or over the screen when there is none.
    const QWidget* over = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (over == nullptr) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMainWindow*>(w) != nullptr && w->isVisible()) {
                over = w;
                break;
            }
        }
    }
    const QScreen* onScreen = over != nullptr ? over->screen() : screen();
    if (onScreen == nullptr)
        onScreen = QGuiApplication::primaryScreen();
    const QRect available = onScreen != nullptr ? onScreen->availableGeometry() : QRect();
    if (over != nullptr) {
        // Our own frame is not known before the window manager has framed
        // us: take it to be as wide as the main window's.
        const QSize margins = over->frameGeometry().size() - over->geometry().size();
        move(centredOn(over->frameGeometry(), size() + margins, available));
    } else if (available.isValid()) {
        move(centredOn(available, frameGeometry().size(), available));
    }
}

void TExportOptionForm::keyPressEvent(QKeyEvent* event) {
    // Neither Enter nor Escape does anything here; only the buttons act.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace quendrix
