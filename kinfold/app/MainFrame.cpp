// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainFrame.h"
#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include "app/AccountsDlg.h"
#include <QStatusBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include "app/ViewCommands.h"
#include "birthdays/ImportCommand.h"
#include "view/KinfoldDoc.h"
#include "view/KinfoldView.h"

namespace {
DocTemplate KinfoldTemplate()
{
    DocTemplate t;
    t.appName = "Kinfold";
    t.docName = CDocFrame::tr("Untitled");
    t.filter = CMainFrame::tr("Kinfold Files (*.kfd)");
    t.extension = "kfd";
    return t;
}

QAction* Disabled(QMenu* menu, const QString& text, const QString& shortcuts, const QString& prompt)
{
    QAction* a = menu->addAction(text);
    QList<QKeySequence> keys;
    for (const QString& k : shortcuts.split('|', Qt::SkipEmptyParts)) keys << QKeySequence(k);
    a->setShortcuts(keys);
    a->setStatusTip(prompt);
    a->setEnabled(false);
    return a;
}

const char* kIdleText = QT_TRANSLATE_NOOP("CMainFrame", "For Help, press F1");
}  // namespace

CMainFrame::CMainFrame(CKinfoldDoc* doc, CKinfoldView* view)
    : CDocFrame(doc, KinfoldTemplate()), m_pDoc(doc), m_pView(view ? view : new CKinfoldView(doc))
{
    m_pView->setParent(this);
    // The view's commands open the program's dialogs.
    if (!m_pView->Dialogs()) m_pView->SetDialogs(&KinfoldDialogs());
    setCentralWidget(m_pView);
    CreateMenus();
    CreateStatusBar();
    connect(m_pView, &CKinfoldView::captionChanged, this, [this](const QString& c) {
        m_strCaption = c;
        RefreshTitle();
    });
    connect(this, &QWidget::windowTitleChanged, this, [this] { RefreshTitle(); });
    connect(m_pView, &CKinfoldView::statusMessage, this, [this](const QString& text) {
        statusBar()->showMessage(text, 10000);
    });
    resize(1024, 768 + 60);
}

void CMainFrame::RefreshTitle()
{
    QString name = m_pDoc->GetPathName().isEmpty() ? Template().docName : m_pDoc->GetTitle();
    QString want = m_strCaption + " - " + name + (m_pDoc->IsModified() ? "*" : "");
    if (windowTitle() != want) setWindowTitle(want);
}

void CMainFrame::CreateMenus()
{
    CKinfoldView* v = m_pView;
    actNew->setStatusTip(tr("Create a new birthday list"));
    actNew->setToolTip(tr("New"));
    actOpen->setStatusTip(tr("Open an existing birthday list"));
    actOpen->setToolTip(tr("Open"));
    actSave->setStatusTip(tr("Save the active birthday list"));
    actSave->setToolTip(tr("Save"));
    actSaveAs->setStatusTip(tr("Save the active birthday list with a new name"));
    actSaveAs->setToolTip(tr("Save As"));
    actExit->setStatusTip(tr("Quit the program; prompts to save birthday list"));
    actExit->setToolTip(tr("Exit"));

    QMenu* file = menuBar()->addMenu(tr("&File", "menu bar"));
    file->addAction(actNew);
    file->addAction(actOpen);
    file->addAction(actSave);
    file->addAction(actSaveAs);
    file->addSeparator();
    file->addAction(v->Action(ID_IMPORT));
    file->addAction(v->Action(ID_EXPORT_CALENDAR));
    QAction* accounts = file->addAction(tr("Accounts..."));
    accounts->setStatusTip(tr("Add, change or remove the address books read and the calendar published to"));
    connect(accounts, &QAction::triggered, this, [this] { CAccountsDlg(this).exec(); });
    QAction* sync = file->addAction(tr("Sync Now"));
    sync->setStatusTip(tr("Read the accounts' address books into the list and publish its birthdays"));
    connect(sync, &QAction::triggered, this, [this] { SyncNow(false); });
    file->addSeparator();
    file->addAction(v->Action(ID_FILE_PRINT));
    file->addAction(v->Action(ID_FILE_PRINT_PREVIEW));
    file->addAction(v->Action(ID_FILE_PRINT_SETUP));
    file->addSeparator();
    QAction* exitSeparator = file->addSeparator();
    file->addAction(actExit);
    AttachRecentFiles(file, exitSeparator);

    // "Edit" has never had an accelerator in English; the translations give it one of its own.
    QMenu* edit = menuBar()->addMenu(tr("Edit", "menu bar"));
    edit->addAction(v->Action(ID_LIST));
    edit->addAction(v->Action(ID_IMPORT));
    edit->addSeparator();
    edit->addAction(v->Action(ID_YEAR));
    edit->addAction(v->Action(ID_TARGET));
    edit->addAction(v->Action(ID_HOLLIDAY));
    edit->addSeparator();
    edit->addAction(v->Action(ID_APPLY_PROFILE));
    edit->addSeparator();
    Disabled(edit, tr("&Undo"), "Ctrl+Z|Alt+Backspace", tr("Undo the last action"));
    Disabled(edit, tr("Cu&t"), "Ctrl+X|Shift+Del", tr("Cut the selection and put it on the Clipboard"));
    Disabled(edit, tr("&Copy"), "Ctrl+C|Ctrl+Ins", tr("Copy the selection and put it on the Clipboard"));
    Disabled(edit, tr("&Paste"), "Ctrl+V|Shift+Ins", tr("Insert Clipboard contents"));

    QMenu* view = menuBar()->addMenu(tr("&View", "menu bar"));
    QAction* toolbar = view->addAction(tr("&Toolbar"));
    toolbar->setStatusTip(tr("Show or hide the toolbar"));
    toolbar->setEnabled(false);
    QAction* status = view->addAction(tr("&Status Bar"));
    status->setStatusTip(tr("Show or hide the status bar"));
    status->setCheckable(true);
    status->setChecked(true);
    connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
    view->addAction(v->Action(ID_OPTIONS));
    view->addAction(v->Action(ID_UPCOMING));
    view->addSeparator();
    for (int id : {ID_MONDAY, ID_FIRST_NAME, ID_ANNIVERSARY, ID_DAY_COUNT, ID_PICTURES, ID_DEAD, ID_NOTES,
                   ID_MOON_PHASE, ID_SEASONS, ID_WEEK_NUMBERS})
        view->addAction(v->Action(id));
    QMenu* months = view->addMenu(tr("Months/page"));
    months->addAction(v->Action(ID_ONE_MONTH));
    months->addAction(v->Action(ID_SIX_MONTHS));
    months->addAction(v->Action(ID_TWELVE_MONTHS));
    QMenu* calendar = view->addMenu(tr("Calendar"));
    for (int id : {ID_CAL_CURRENT, ID_CAL_OLD_STYLE, ID_CAL_MOON, ID_CAL_CHINESE}) calendar->addAction(v->Action(id));

    QMenu* help = menuBar()->addMenu(tr("&Help", "menu bar"));
    help->addAction(v->Action(ID_APP_ABOUT));
    QAction* index = help->addAction(tr("Help Index"));
    index->setStatusTip(tr("Search help Index"));
    index->setToolTip(tr("Help index"));
    QAction* gregorian = help->addAction(tr("Gregorian Calendar"));
    gregorian->setStatusTip(tr("Disertation on the current calendar in use today"));
    gregorian->setToolTip(tr("World Calendar"));
    connect(gregorian, &QAction::triggered, this, [this] { ShowHelp(0x10000 + ID_HELP_GREGORIAN); });
    QAction* about = help->addAction(tr("About Kinfold"));
    connect(about, &QAction::triggered, this, [this] { ShowHelp(0x10000 + ID_HELP_ABOUT_KINFOLD); });
    QAction* plans = help->addAction(tr("Future Plans"));
    plans->setStatusTip(tr("My plans for upgrades and other stuff"));
    plans->setToolTip(tr("Your Dreaming"));
    connect(plans, &QAction::triggered, this, [this] { ShowHelp(0x10000 + ID_HELP_FUTURE_PLANS); });
    // F1 and the help index do nothing; Shift+F1 would enter click-for-help mode.
    QAction* f1 = new QAction(this);
    f1->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(f1);
    QAction* whatsThis = new QAction(this);
    whatsThis->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    addAction(whatsThis);

    for (int id : {ID_PREV_YEAR, ID_PREV_MONTH, ID_NOW, ID_NEXT_MONTH, ID_NEXT_YEAR}) menuBar()->addAction(v->Action(id));
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    // The lock keys' indicators.
    for (const char* key : {QT_TR_NOOP("CAP"), QT_TR_NOOP("NUM"), QT_TR_NOOP("SCRL")}) {
        auto* l = new QLabel(tr(key), bar);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setEnabled(false);
        bar->addPermanentWidget(l);
    }
    bar->showMessage(tr(kIdleText));
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& text) {
        if (text.isEmpty()) bar->showMessage(tr(kIdleText));
    });
}

void CMainFrame::SyncNow(bool atStart)
{
    SyncDocumentWithAccounts(this, *m_pDoc, atStart);
    // Drawn anew: a plain update may show the page kept for a mouse move, without the changes.
    m_pView->Redraw();
    RefreshTitle();
}

void CMainFrame::OnDocumentReady()
{
    m_pView->OnInitialUpdate();
    RefreshTitle();
}

QString CMainFrame::ReadDocumentFile(const QString& path)
{
    std::string error;
    if (!LoadKfdFile(QFile::encodeName(path).toStdString(), m_pDoc->List(), error))
        return QString::fromLocal8Bit(error);
    m_pDoc->SetModifiedFlag(false);
    return QString();
}

void CMainFrame::closeEvent(QCloseEvent* e)
{
    CDocFrame::closeEvent(e);
}

QString CMainFrame::HelpText(int contextNumber)
{
    switch (contextNumber) {
    case 0x10000 + ID_HELP_GREGORIAN:
        return tr("<h3>The Gregorian calendar</h3>"
               "<p>The calendar in civil use today counts 365 days in a common year and 366 in a leap year. "
               "A year is a leap year when it divides by 4, except the century years, which are leap years "
               "only when they divide by 400: 1900 was not a leap year, 2000 was.</p>"
               "<p>It replaced the Julian calendar, which made every fourth year a leap year and so ran "
               "ahead of the seasons by about three days in four hundred years. When the reform came in "
               "October 1582, ten days were left out: Thursday 4 October was followed by Friday 15 October. "
               "Kinfold shows months up to October 1582 in the Julian calendar by itself and titles them "
               "\"Julian\"; the Old style calendar shows any month as it would have been kept where the "
               "reform came late (Britain and its colonies changed in 1752). In the Old style the year "
               "began in March, so January to March carry both years, as in February 1699/0.</p>"
               "<p>The Moon calendar starts every month on the day after a new moon; a year that holds "
               "thirteen new moons ends with a Blue Moon. The Year of the Snake calendar uses the same "
               "months and names each year by its animal.</p>");
    case 0x10000 + ID_HELP_ABOUT_KINFOLD:
        return tr("<h3>Kinfold</h3>"
               "<p>Kinfold keeps a list of birthdays, wedding anniversaries and dated notes and draws them "
               "into month calendars: one, six or twelve months to a page, on the screen and on paper.</p>"
               "<p>Each day shows its number, the holiday of the day on the bottom line and above it the "
               "people of the day with their ages. The corner of a day can show the start of a season or a "
               "quarter of the moon, or the days to or from a target date.</p>"
               "<p>Use the buttons on the menu bar to move by month and year, the View menu to choose what "
               "is shown, and the Edit menu to change the list and the holidays. Lists are saved as .kfd "
               "files and can take in people from a GEDCOM file of a genealogy program.</p>");
    case 0x10000 + ID_HELP_FUTURE_PLANS:
        return tr("<h3>Future plans</h3>"
               "<ul><li>Printing the list of names as well as the calendar.</li>"
               "<li>Reminders a few days before a birthday.</li>"
               "<li>More calendars, and holidays that follow Easter.</li></ul>");
    default:
        return QString();
    }
}

void CMainFrame::ShowHelp(int contextNumber)
{
    QString text = HelpText(contextNumber);
    if (text.isEmpty()) return;
    QDialog dlg(this);
    dlg.setWindowTitle(tr("Kinfold Help"));
    auto* layout = new QVBoxLayout(&dlg);
    auto* browser = new QTextBrowser(&dlg);
    browser->setHtml(text);
    layout->addWidget(browser);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dlg);
    connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    layout->addWidget(buttons);
    dlg.resize(520, 420);
    dlg.exec();
}
