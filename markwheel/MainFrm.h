// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Markwheel's main window: menus, the target dialog, the About box and the "InUse" values.
#include "platform/Document.h"

class CMarkwheelDoc;
class CMarkwheelView;
class ISettingsStore;

class CMainFrame : public CDocFrame {
    Q_OBJECT
public:
    explicit CMainFrame(CMarkwheelDoc* doc, QWidget* parent = nullptr);

    CMarkwheelDoc* GetDoc() const { return m_pDoc; }
    CMarkwheelView* GetView() const { return m_pView; }

    // The document type: "Markwheel\n\nMarkwheel\nMarkwheel Files (*.mkw)\n.mkw\nMarkwheel.Document\nMarkwheel Document".
    static DocTemplate MarkwheelTemplate();

    // Commands of the program's own menu items.
    void OnChange();          // 32772
    void OnReset();           // 32773
    void OnDisplayMode(int mode);  // 32774..32777
    void OnAppExit();
    void OnAppAbout();

    QAction* actChange = nullptr;
    QAction* actReset = nullptr;
    QAction* actMode[4] = {};
    QAction* actAbout = nullptr;
    QAction *actUndo = nullptr, *actCut = nullptr, *actCopy = nullptr, *actPaste = nullptr;

    // When set, the About box is handed to this instead of being shown (tests).
    static std::function<void(class QDialog&)> aboutHook;

protected:
    void OnDocumentReady() override;

private:
    void BuildMenus();
    // Runs the target dialog on the document's values; true when OK replaced them.
    bool RunTargetDialog();

    CMarkwheelDoc* m_pDoc;
    CMarkwheelView* m_pView;
};

// The program's icon, drawn rather than loaded so that it needs no resource file.
class QIcon;
QIcon MarkwheelIcon();
