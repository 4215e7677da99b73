// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quendrix {

struct ExcelOp;

// The dialog that edits a chart-export settings record. It never reads the
// record: its widgets start from their own initial values, and "Update"
// writes them into the record attached with setOptions().
class TExportOptionForm : public QDialog {
    Q_OBJECT

public:
    explicit TExportOptionForm(QWidget* parent = nullptr);

    // The record "Update" writes into; not owned. Null until attached.
    void setOptions(ExcelOp* options) { Options = options; }
    ExcelOp* options() const { return Options; }

    // Shows the dialog modelessly, centred over the main window.
    void showDialog();

    // "Update": the 24 steps in their fixed order, each storing into the
    // record at once, so a failing step leaves the earlier fields changed and
    // the rest as they were. Throws quendrix::Exception (and its kinds) on a
    // bad number text, or when no record is attached.
    void btn1Click();
    // "Close": closes the dialog; the record and the widgets stay as they are.
    void btn2Click();

    QGroupBox* grp1;
    QLabel* lbl1;
    QComboBox* cbb1;
    QLabel* lbl2;
    QComboBox* cbb4;
    QCheckBox* chk1;
    QLabel* lbl3;
    QComboBox* cbb2;
    QLabel* lbl4;
    QComboBox* cbb3;
    QLabel* lbl5;
    QComboBox* cbb5;

    QGroupBox* grp2;
    QCheckBox* chk2;
    QLabel* lbl6;
    QLineEdit* edt1;
    QLabel* lbl7;
    QLineEdit* edt2;
    QLabel* lbl8;
    QLineEdit* edt9;
    QCheckBox* chk6;
    QLabel* lbl9;
    QLineEdit* edt6;
    QLabel* lbl10;
    QLineEdit* edt7;
    QLabel* lbl11;
    QLineEdit* edt8;

    QGroupBox* grp4;
    QCheckBox* chk3;
    QCheckBox* chk4;
    QLabel* lbl12;
    QLineEdit* edt10;

    QGroupBox* grp5;
    QCheckBox* chk5;
    QLabel* lbl13;
    QLineEdit* edt5;
    QLabel* lbl14;
    QLineEdit* edt11;

    QGroupBox* grp3;
    QLabel* lbl15;
    QLineEdit* edt3;
    QLabel* lbl16;
    QLineEdit* edt4;
    QCheckBox* chk7;

    QGroupBox* grp6;
    QRadioButton* rb1;
    QRadioButton* rb2;

    QPushButton* btn1;
    QPushButton* btn2;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ExcelOp* Options = nullptr;
};

// The application's one export options dialog, created hidden at start-up.
extern TExportOptionForm* ExportOptionForm;

} // namespace quendrix
