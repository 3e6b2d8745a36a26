// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options sheet: four pages that each read their stored display options of one profile when
// first shown and write them back on OK or Apply, and the reminders' page, the same for every
// profile. The view then reloads what was written.
#include <QDialog>
#include <QWidget>
#include "view/core/DisplayOptions.h"

class CKinfoldView;
class QDialogButtonBox;
class QPushButton;
class QTabWidget;

// One page of the sheet.
class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    CPropertyPage(const QString& title, QWidget* parent = nullptr);

    QString Title() const { return m_strTitle; }
    void SetProfileNumber(int p) { m_nProfile = p; }
    int ProfileNumber() const { return m_nProfile; }
    bool IsInitialised() const { return m_bInitialised; }
    bool IsModified() const { return m_bModified; }
    void SetModified(bool modified = true);

    // Reads the stored values and shows them (once, when the page is first shown).
    void Initialise();
    // Takes the values from the controls; false (after telling the user) keeps the sheet open.
    virtual bool DoDataExchange() { return true; }
    // Writes the values to the store.
    virtual void OnApply() = 0;

signals:
    void modifiedChanged();

protected:
    virtual void OnInitDialog() = 0;

    int m_nProfile = 0;
    // What the page edits, read from the store when it is first shown.
    DisplayOptions m_Options;

private:
    QString m_strTitle;
    bool m_bInitialised = false;
    bool m_bModified = false;
};

class CPPOptions;
class CPPMargins;
class CPPFont;
class CPPNames;
class CPPReminders;

class COptions : public QDialog {
    Q_OBJECT
public:
    // view may be null (the sheet then reloads nothing).
    COptions(const QString& caption, CKinfoldView* view, int firstPage = 0);

    void SetProfileNumber(int p);
    // Writes every page shown so far and reloads the view; false when a page refused its values.
    bool Apply();

    void accept() override;

    CPPOptions* m_pOptions = nullptr;
    CPPMargins* m_pMargins = nullptr;
    CPPFont* m_pFont = nullptr;
    CPPNames* m_pNames = nullptr;
    CPPReminders* m_pReminders = nullptr;
    QTabWidget* m_ctlTabs = nullptr;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QPushButton* m_btnApply = nullptr;

protected:
    void showEvent(QShowEvent* e) override;

private:
    CPropertyPage* Page(int i) const;
    void UpdateApply();

    CKinfoldView* m_pView;
    int m_nFirstPage;
};
