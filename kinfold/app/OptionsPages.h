// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four pages of the options sheet.
#include <QColor>
#include <QDialog>
#include "app/OptionsSheet.h"

class CSpinEdit;
class QCheckBox;
class QComboBox;
class QFontDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The option switches (section "Options" of the profile).
class CPPOptions : public CPropertyPage {
    Q_OBJECT
public:
    explicit CPPOptions(QWidget* parent = nullptr);
    bool DoDataExchange() override;
    void OnApply() override;

    QRadioButton* m_ctlAges[3] = {};  // by "SurpressAge"
    QCheckBox* m_ctlIncludeDead = nullptr;
    QCheckBox* m_ctlStartMonday = nullptr;
    QCheckBox* m_ctlShortNames = nullptr;
    QCheckBox* m_ctlMarriage = nullptr;
    QCheckBox* m_ctlCountdown = nullptr;
    QCheckBox* m_ctlPictures = nullptr;
    QCheckBox* m_ctlNotes = nullptr;
    QCheckBox* m_ctlMoonPhase = nullptr;
    QCheckBox* m_ctlSeasons = nullptr;
    QCheckBox* m_ctlWeekNumbers = nullptr;
    QComboBox* m_ctlLeapDay = nullptr;  // item index = stored "LeapDay"

protected:
    void OnInitDialog() override;
};

// The four page margins (section "Margins").
class CPPMargins : public CPropertyPage {
    Q_OBJECT
public:
    explicit CPPMargins(QWidget* parent = nullptr);
    bool DoDataExchange() override;
    void OnApply() override;

    CSpinEdit* m_ctlTop = nullptr;
    CSpinEdit* m_ctlLeft = nullptr;
    CSpinEdit* m_ctlRight = nullptr;
    CSpinEdit* m_ctlBottom = nullptr;

protected:
    void OnInitDialog() override;
};

// Five fonts with their colours, and the grid line colour.
class CPPFont : public CPropertyPage {
    Q_OBJECT
public:
    explicit CPPFont(QWidget* parent = nullptr);
    void OnApply() override;

    // Opens the font dialog for one element (by DisplayFontId); the "Font" buttons call it.
    void OnFont(int element);
    void OnLineColor();

    const DisplayFont& Font(int element) const { return m_Options.fonts[element]; }
    int LineColor() const { return m_Options.crLine; }

    QPushButton* m_btnFont[DisplayFontCount] = {};
    QLabel* m_ctlSample[DisplayFontCount] = {};
    QPushButton* m_btnLineColor = nullptr;
    QLabel* m_ctlLineSample = nullptr;

protected:
    void OnInitDialog() override;

private:
    void ShowSamples();
};

// Week-day and month names (sections "Week" and "Month").
class CPPNames : public CPropertyPage {
    Q_OBJECT
public:
    explicit CPPNames(QWidget* parent = nullptr);
    bool DoDataExchange() override;
    void OnApply() override;

    QLineEdit* m_ctlWeekDay[7] = {};  // 1 Sunday .. 7 Saturday
    QLineEdit* m_ctlMonth[12] = {};

protected:
    void OnInitDialog() override;
};

// The font dialog with the element's colour: face and size from the platform's font chooser,
// the colour from its colour chooser.
class CFontColorDlg : public QDialog {
    Q_OBJECT
public:
    CFontColorDlg(const QString& title, const DisplayFont& font, QWidget* parent = nullptr);
    // Face, size in tenths of a point and colour as chosen; weight and slant are not kept.
    DisplayFont Chosen() const;
    void SetColor(const QColor& color);

    QFontDialog* m_ctlFont = nullptr;
    QPushButton* m_btnColor = nullptr;
    QColor m_color;

private:
    int m_nOldSize;
};

// 0x00BBGGRR and back.
QColor ColorFromRef(int ref);
int RefFromColor(const QColor& color);
