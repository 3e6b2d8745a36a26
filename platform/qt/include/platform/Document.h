// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small document framework: one document bound to one main window, with New, Open, Save,
// Save As, a recent-file list, the modified flag in the title and save prompts.
#include <QMainWindow>
#include <QStringList>
#include <functional>
#include "platform/Archive.h"
#include "platform/CString.h"

class QAction;
class QMenu;

class CDocument {
public:
    virtual ~CDocument() = default;
    // Reads from or writes to the archive; load errors throw CArchiveException.
    virtual void Serialize(CArchive& ar) = 0;
    // Clears the contents for a new document.
    virtual bool OnNewDocument() { DeleteContents(); SetModifiedFlag(false); return true; }
    virtual void DeleteContents() {}
    // Copies what a failed open must restore, and restores it.
    virtual std::function<void()> SaveStateForRestore() { return {}; }

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);
    const QString& GetPathName() const { return m_path; }
    void SetPathName(const QString& path) { m_path = path; }
    QString GetTitle() const;
    // Called when the modified flag or the path changes.
    std::function<void()> onChanged;

private:
    bool m_modified = false;
    QString m_path;
};

struct DocTemplate {
    QString appName;          // "Kinfold"
    QString docName;          // default title of a new document, "Untitled"
    QString filter;           // "Kinfold Files (*.kfd)"
    QString extension;        // "kfd"
};

class CDocFrame : public QMainWindow {
    Q_OBJECT
public:
    CDocFrame(CDocument* doc, DocTemplate tmpl, QWidget* parent = nullptr);

    CDocument* GetDocument() const { return m_doc; }
    const DocTemplate& Template() const { return m_tmpl; }

    // Framework commands. Each returns false when cancelled or failed.
    bool OnFileNew();
    bool OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    bool OpenDocumentFile(const QString& path);
    // Writes the document; atomic: a failed save leaves the old file whole.
    bool DoSave(const QString& path);
    // Asks "Save changes to X?" when modified; false when the user cancels.
    bool SaveModified();

    // Loads bytes into the document; on failure the document is exactly as before. Returns an error text or "".
    static QString LoadDocumentBytes(CDocument* doc, const QByteArray& bytes);
    // Serialises the document to bytes.
    static QByteArray StoreDocumentBytes(CDocument* doc);

    // Standard actions for the program's own menus.
    QAction* actNew = nullptr;
    QAction* actOpen = nullptr;
    QAction* actSave = nullptr;
    QAction* actSaveAs = nullptr;
    QAction* actExit = nullptr;
    // Recent files, in section "Recent File List" keys "File1".."File4".
    QStringList RecentFiles() const { return m_recent; }
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);
    // What the recent-file entries do: open the file, and drop it from the list when it fails.
    bool OpenRecentFile(const QString& path);
    // Puts the recent-file entries into the menu before `before` (or at the end).
    void AttachRecentFiles(QMenu* menu, QAction* before = nullptr);

    // Handles a command line: the first non-option argument opens as a document, else New.
    void ProcessCommandLine(const QStringList& args);

    // When set, file dialogs ask this instead (tests).
    static std::function<QString(bool save, const QString& suggested)> fileDialogHook;

protected:
    // Hooks for the program: a new or opened document is ready to be shown.
    virtual void OnDocumentReady() {}
    // Reads the file into the document, which a failure leaves as it was; the message for the
    // user (naming the file), or "".
    virtual QString ReadDocumentFile(const QString& path);
    void UpdateTitle();
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    enum class OpenOutcome { Opened, Cancelled, Failed };
    OpenOutcome OpenFile(const QString& path);
    void LoadRecent();
    void SaveRecent();
    void RefreshRecentMenu();

    CDocument* m_doc;
    DocTemplate m_tmpl;
    QStringList m_recent;
    QList<QAction*> m_recentActions;
    QMenu* m_recentMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
};
