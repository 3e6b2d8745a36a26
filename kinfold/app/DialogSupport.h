// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program's dialogs share: values exchanged when the dialog opens and on OK, the
// framework's refusal of bad numbers, and a number field whose arrows are bounded while the
// typed text is not.
#include <QAbstractSpinBox>
#include <QDialog>
#include <QLineEdit>
#include <QString>

class QBoxLayout;
class QListWidget;
class QPushButton;
class QVBoxLayout;
class QWidget;

// A modal dialog in the framework's manner: OnInitDialog fills the controls each time it opens,
// OnOK reads them back and may refuse (the dialog then stays open); Cancel, Escape and the close
// box read nothing.
class CKinfoldDialog : public QDialog {
    Q_OBJECT
public:
    explicit CKinfoldDialog(QWidget* parent = nullptr);

    void accept() override;
    void done(int result) override;

protected:
    virtual void OnInitDialog() {}
    // False keeps the dialog open.
    virtual bool OnOK() { return true; }
    void showEvent(QShowEvent* e) override;

private:
    bool m_bInitialised = false;
    bool m_bSized = false;
};

// A number field with up and down arrows. The arrows and the arrow keys stay within the range;
// typed text is left alone and read on OK. With digitsOnly nothing but digits can be typed.
class CSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit CSpinEdit(QWidget* parent = nullptr, bool digitsOnly = false);

    void SetRange(int lo, int hi);
    int Lower() const { return m_nLower; }
    int Upper() const { return m_nUpper; }
    void SetValue(int value);
    void SetText(const QString& text);
    QString Text() const;
    QLineEdit* Edit() const { return lineEdit(); }

    void stepBy(int steps) override;
    // Wide enough for the range's numbers and a sign.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    QValidator::State validate(QString& input, int& pos) const override;

signals:
    void edited();

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_nLower = 0, m_nUpper = 100;
    bool m_bDigitsOnly;
};

// The framework's reading of an integer field: optional blanks and sign, then digits only.
bool ParseInteger(const QString& text, int& value);
// Reads the field; on failure says "Please enter an integer.", selects the field and returns false.
bool ReadIntegerField(CSpinEdit* field, int& value);
bool ReadIntegerField(QLineEdit* field, int& value);
// On a value outside [lo, hi] says "Please enter an integer between lo and hi.", selects the
// field and returns false.
bool CheckIntegerRange(CSpinEdit* field, int value, int lo, int hi);

// Refuses a date that cannot be: says which field of which date (`date` is the column's title, or
// "" for a dialog's only date) and why, selects the field and returns false. With `partial` a
// missing date, a year alone and a month without its day are taken too.
bool CheckDateFields(const QString& date, CSpinEdit* monthField, CSpinEdit* dayField, int month, int day, int year,
                     bool partial = false);

// The tips of the usual buttons, shown through QDialog::tr.
inline constexpr const char* kTipOk = QT_TRANSLATE_NOOP("QDialog", "Use value as currently set.");
inline constexpr const char* kTipCancelValue = QT_TRANSLATE_NOOP("QDialog", "Use original value.");
inline constexpr const char* kTipCancelValues = QT_TRANSLATE_NOOP("QDialog", "Use original values.");

// The column of OK (default) and Cancel buttons at the right of an edit dialog, wired to accept and
// reject, added to `into`.
void AddOkCancelColumn(QDialog* dlg, QBoxLayout* into, QPushButton*& ok, QPushButton*& cancel);
// Widens a filled list to its longest line, up to half the screen (beyond that it scrolls
// sideways), so that its dialog opens wide enough for the names of every language.
void FitListToLines(QListWidget* list);
