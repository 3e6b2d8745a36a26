// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: menus, accelerators, status bar and the calendar view of one document.
#include <QString>
#include "platform/Document.h"

class CKinfoldDoc;
class CKinfoldView;
class QLabel;

// Help topics of the Help menu, identified as in the help file.
enum KinfoldHelpTopic : int {
    ID_HELP_FUTURE_PLANS = 0x8014,
    ID_HELP_ABOUT_KINFOLD = 0x8015,
    ID_HELP_GREGORIAN = 0x8016,
};

class CMainFrame : public CDocFrame {
    Q_OBJECT
public:
    // The view is made by the factory when given (dialog code supplies its own view class).
    explicit CMainFrame(CKinfoldDoc* doc, CKinfoldView* view = nullptr);

    CKinfoldView* View() const { return m_pView; }
    CKinfoldDoc* Document() const { return m_pDoc; }

    // The help page for a topic (0x10000 + identifier), or "" when there is none.
    static QString HelpText(int contextNumber);
    void ShowHelp(int contextNumber);
    // File > "Sync Now"; at start quiet when there is no account.
    void SyncNow(bool atStart);

protected:
    void OnDocumentReady() override;
    // In the batch commands' words, so that a file is refused alike everywhere.
    QString ReadDocumentFile(const QString& path) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void CreateMenus();
    void CreateStatusBar();
    void RefreshTitle();

    CKinfoldDoc* m_pDoc;
    CKinfoldView* m_pView;
    QString m_strCaption = "Hearthday";
};
