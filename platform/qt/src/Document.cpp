// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Document.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSaveFile>
#include "platform/DurableFile.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"

std::function<QString(bool, const QString&)> CDocFrame::fileDialogHook;

void CDocument::SetModifiedFlag(bool modified)
{
    bool changed = m_modified != modified;
    m_modified = modified;
    if (changed && onChanged) onChanged();
}

QString CDocument::GetTitle() const
{
    return m_path.isEmpty() ? QString() : QFileInfo(m_path).fileName();
}

CDocFrame::CDocFrame(CDocument* doc, DocTemplate tmpl, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_tmpl(std::move(tmpl))
{
    if (m_tmpl.docName.isEmpty()) m_tmpl.docName = "Untitled";
    setAcceptDrops(true);
    m_doc->onChanged = [this] { UpdateTitle(); };

    actNew = new QAction("&New", this);
    actNew->setShortcut(QKeySequence("Ctrl+N"));
    actNew->setStatusTip("Create a new document");
    connect(actNew, &QAction::triggered, this, [this] { OnFileNew(); });
    actOpen = new QAction("&Open...", this);
    actOpen->setShortcut(QKeySequence("Ctrl+O"));
    actOpen->setStatusTip("Open an existing document");
    connect(actOpen, &QAction::triggered, this, [this] { OnFileOpen(); });
    actSave = new QAction("&Save", this);
    actSave->setShortcut(QKeySequence("Ctrl+S"));
    actSave->setStatusTip("Save the active document");
    connect(actSave, &QAction::triggered, this, [this] { OnFileSave(); });
    actSaveAs = new QAction("Save &As...", this);
    actSaveAs->setStatusTip("Save the active document with a new name");
    connect(actSaveAs, &QAction::triggered, this, [this] { OnFileSaveAs(); });
    actExit = new QAction("E&xit", this);
    actExit->setStatusTip("Quit the application; prompts to save documents");
    connect(actExit, &QAction::triggered, this, [this] { close(); });
    LoadRecent();
}

void CDocFrame::UpdateTitle()
{
    QString name = m_doc->GetPathName().isEmpty() ? m_tmpl.docName : QFileInfo(m_doc->GetPathName()).fileName();
    setWindowTitle(name + (m_doc->IsModified() ? "*" : "") + " - " + m_tmpl.appName);
}

bool CDocFrame::SaveModified()
{
    if (!m_doc->IsModified()) return true;
    QString name = m_doc->GetPathName().isEmpty() ? m_tmpl.docName : QFileInfo(m_doc->GetPathName()).fileName();
    int r = AfxMessageBox(FromQt("Save changes to " + name + "?"), MB_YESNOCANCEL | MB_ICONQUESTION,
                          FromQt(m_tmpl.appName), this);
    if (r == IDCANCEL) return false;
    if (r == IDNO) return true;
    return OnFileSave();
}

bool CDocFrame::OnFileNew()
{
    if (!SaveModified()) return false;
    if (!m_doc->OnNewDocument()) return false;
    m_doc->SetPathName(QString());
    m_doc->SetModifiedFlag(false);
    UpdateTitle();
    OnDocumentReady();
    return true;
}

static QString AskFile(QWidget* parent, bool save, const QString& suggested, const DocTemplate& t)
{
    if (CDocFrame::fileDialogHook) return CDocFrame::fileDialogHook(save, suggested);
    QString filter = t.filter + ";;All Files (*)";
    if (!save) return QFileDialog::getOpenFileName(parent, "Open", suggested, filter);
    QString path = QFileDialog::getSaveFileName(parent, "Save As", suggested, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty() && !t.extension.isEmpty()) path += "." + t.extension;
    return path;
}

bool CDocFrame::OnFileOpen()
{
    QString path = AskFile(this, false, QString(), m_tmpl);
    if (path.isEmpty()) return false;
    return OpenDocumentFile(path);
}

QString CDocFrame::LoadDocumentBytes(CDocument* doc, const QByteArray& bytes)
{
    std::function<void()> restore = doc->SaveStateForRestore();
    const bool wasModified = doc->IsModified();
    auto undo = [&] {
        if (restore) restore();
        doc->SetModifiedFlag(wasModified);
    };
    try {
        CArchive ar(std::string(bytes.constData(), (size_t)bytes.size()));
        doc->DeleteContents();
        // The old contents' flag is not the new contents': only the load itself may set it.
        doc->SetModifiedFlag(false);
        doc->Serialize(ar);
        return QString();
    } catch (const CArchiveException&) {
        undo();
        return "Unexpected file format.";
    } catch (const std::bad_alloc&) {
        undo();
        return "Unexpected file format.";
    } catch (const std::exception& e) {
        undo();
        return QString::fromUtf8(e.what());
    }
}

QByteArray CDocFrame::StoreDocumentBytes(CDocument* doc)
{
    CArchive ar;
    doc->Serialize(ar);
    return QByteArray(ar.Buffer().data(), (qsizetype)ar.Buffer().size());
}

bool CDocFrame::OpenDocumentFile(const QString& path)
{
    return OpenFile(path) == OpenOutcome::Opened;
}

QString CDocFrame::ReadDocumentFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "Cannot open file " + path + ".\n" + f.errorString();
    return LoadDocumentBytes(m_doc, f.readAll());
}

CDocFrame::OpenOutcome CDocFrame::OpenFile(const QString& path)
{
    if (!SaveModified()) return OpenOutcome::Cancelled;
    QString err = ReadDocumentFile(path);
    if (!err.isEmpty()) {
        AfxMessageBox(FromQt(err), MB_OK | MB_ICONERROR, FromQt(m_tmpl.appName), this);
        return OpenOutcome::Failed;
    }
    m_doc->SetPathName(QFileInfo(path).absoluteFilePath());
    AddRecentFile(QFileInfo(path).absoluteFilePath());
    UpdateTitle();
    OnDocumentReady();
    return OpenOutcome::Opened;
}

bool CDocFrame::OpenRecentFile(const QString& path)
{
    OpenOutcome outcome = OpenFile(path);
    // An entry that cannot be opened only leads to the same message again.
    if (outcome == OpenOutcome::Failed) RemoveRecentFile(path);
    return outcome == OpenOutcome::Opened;
}

bool CDocFrame::DoSave(const QString& path)
{
    QByteArray bytes;
    try {
        bytes = StoreDocumentBytes(m_doc);
    } catch (const std::exception& e) {
        // Nothing has touched the file yet: the old one stays whole.
        AfxMessageBox(FromQt("Failed to save document " + path + ".\n" + QString::fromUtf8(e.what())),
                      MB_OK | MB_ICONERROR, FromQt(m_tmpl.appName), this);
        return false;
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        AfxMessageBox(FromQt("Failed to save document " + path + ".\n" + f.errorString()), MB_OK | MB_ICONERROR,
                      FromQt(m_tmpl.appName), this);
        return false;
    }
    // The data reached the disk before the rename; the new name in the folder must follow it.
    SyncFolderOf(QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString());
    m_doc->SetPathName(QFileInfo(path).absoluteFilePath());
    m_doc->SetModifiedFlag(false);
    AddRecentFile(QFileInfo(path).absoluteFilePath());
    UpdateTitle();
    return true;
}

bool CDocFrame::OnFileSave()
{
    if (m_doc->GetPathName().isEmpty()) return OnFileSaveAs();
    return DoSave(m_doc->GetPathName());
}

bool CDocFrame::OnFileSaveAs()
{
    QString suggested = m_doc->GetPathName().isEmpty() ? m_tmpl.docName + "." + m_tmpl.extension : m_doc->GetPathName();
    QString path = AskFile(this, true, suggested, m_tmpl);
    if (path.isEmpty()) return false;
    return DoSave(path);
}

void CDocFrame::LoadRecent()
{
    QtSettingsStore s(m_tmpl.appName);
    m_recent.clear();
    for (int i = 1; i <= 4; ++i) {
        CString v = s.GetString("Recent File List", "File" + std::to_string(i), "");
        if (!v.empty()) m_recent << ToQt(v);
    }
}

void CDocFrame::SaveRecent()
{
    QtSettingsStore s(m_tmpl.appName);
    for (int i = 1; i <= 4; ++i) {
        CString key = "File" + std::to_string(i);
        if (i <= m_recent.size()) s.WriteString("Recent File List", key, FromQt(m_recent[i - 1]));
        else if (s.Contains("Recent File List", key)) s.WriteString("Recent File List", key, "");
    }
}

void CDocFrame::AddRecentFile(const QString& path)
{
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > 4) m_recent.removeLast();
    SaveRecent();
    RefreshRecentMenu();
}

void CDocFrame::RemoveRecentFile(const QString& path)
{
    if (!m_recent.removeAll(path)) return;
    SaveRecent();
    RefreshRecentMenu();
}

void CDocFrame::AttachRecentFiles(QMenu* menu, QAction* before)
{
    m_recentMenu = menu;
    m_recentSeparator = before;
    RefreshRecentMenu();
}

void CDocFrame::RefreshRecentMenu()
{
    if (!m_recentMenu) return;
    for (QAction* a : m_recentActions) { m_recentMenu->removeAction(a); a->deleteLater(); }
    m_recentActions.clear();
    int i = 1;
    for (const QString& path : m_recent) {
        QAction* a = new QAction(QString("&%1 %2").arg(i++).arg(QFileInfo(path).fileName()), this);
        a->setStatusTip("Open this document");
        connect(a, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
        m_recentMenu->insertAction(m_recentSeparator, a);
        m_recentActions << a;
    }
    if (m_recent.isEmpty()) {
        QAction* a = new QAction("Recent File", this);
        a->setEnabled(false);
        m_recentMenu->insertAction(m_recentSeparator, a);
        m_recentActions << a;
    }
}

void CDocFrame::ProcessCommandLine(const QStringList& args)
{
    for (int i = 1; i < args.size(); ++i) {
        if (args[i].startsWith("-")) continue;
        if (OpenDocumentFile(args[i])) return;
        break;
    }
    OnFileNew();
}

void CDocFrame::closeEvent(QCloseEvent* e)
{
    if (!SaveModified()) { e->ignore(); return; }
    e->accept();
}

void CDocFrame::dragEnterEvent(QDragEnterEvent* e)
{
    if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void CDocFrame::dropEvent(QDropEvent* e)
{
    const auto urls = e->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) {
        activateWindow();
        OpenDocumentFile(urls.first().toLocalFile());
        e->acceptProposedAction();
    }
}
