// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainFrm.h"
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include "MarkwheelDoc.h"
#include "MarkwheelView.h"
#include "TargetDlg.h"
#include "platform/Settings.h"

std::function<void(QDialog&)> CMainFrame::aboutHook;

DocTemplate CMainFrame::MarkwheelTemplate()
{
    DocTemplate t;
    t.appName = "Markwheel";
    t.docName = tr("Untitled");
    t.filter = tr("Markwheel Files (*.mkw)");
    t.extension = "mkw";
    return t;
}

CMainFrame::CMainFrame(CMarkwheelDoc* doc, QWidget* parent)
    : CDocFrame(doc, MarkwheelTemplate(), parent), m_pDoc(doc)
{
    m_pView = new CMarkwheelView(doc, this);
    setCentralWidget(m_pView);
    doc->onViewChanged = [this] { m_pView->Refresh(); };
    setWindowIcon(MarkwheelIcon());
    BuildMenus();
    resize(800, 600);
    UpdateTitle();
}

static QAction* MakeAction(QObject* owner, const QString& text, const QString& prompt)
{
    QAction* a = new QAction(text, owner);
    // The first part of a prompt is the status text, the second the tip.
    int nl = prompt.indexOf('\n');
    a->setStatusTip(nl < 0 ? prompt : prompt.left(nl));
    if (nl >= 0) a->setToolTip(prompt.mid(nl + 1).trimmed());
    return a;
}

void CMainFrame::BuildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File", "menu bar"));
    file->addAction(actNew);
    file->addAction(actOpen);
    file->addAction(actSave);
    file->addAction(actSaveAs);
    file->addSeparator();
    QAction* recentEnd = file->addSeparator();
    AttachRecentFiles(file, recentEnd);
    actReset = MakeAction(this, tr("Reset", "menu File"), tr("Clear the InUse list\nInUse"));
    connect(actReset, &QAction::triggered, this, [this] { OnReset(); });
    file->addAction(actReset);
    file->addSeparator();
    // Exit writes its "InUse" value before the framework's own exit.
    disconnect(actExit, nullptr, this, nullptr);
    connect(actExit, &QAction::triggered, this, [this] { OnAppExit(); });
    file->addAction(actExit);

    QMenu* edit = menuBar()->addMenu(tr("&Edit", "menu bar"));
    actUndo = MakeAction(this, tr("&Undo", "menu Edit"), tr("Undo the last action\nUndo"));
    actUndo->setShortcut(QKeySequence("Ctrl+Z"));
    actCut = MakeAction(this, tr("Cu&t", "menu Edit"), tr("Cut the selection and put it on the Clipboard\nCut"));
    actCut->setShortcuts({QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")});
    actCopy = MakeAction(this, tr("&Copy", "menu Edit"), tr("Copy the selection and put it on the Clipboard\nCopy"));
    actCopy->setShortcuts({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")});
    actPaste = MakeAction(this, tr("&Paste", "menu Edit"), tr("Insert Clipboard contents\nPaste"));
    actPaste->setShortcuts({QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")});
    for (QAction* a : {actUndo, actCut, actCopy, actPaste}) {
        a->setEnabled(false);
        edit->addAction(a);
    }
    edit->addSeparator();
    actChange = MakeAction(this, tr("Change", "menu Edit"), tr("Change current target date\nDate"));
    connect(actChange, &QAction::triggered, this, [this] { OnChange(); });
    edit->addAction(actChange);

    QMenu* format = menuBar()->addMenu(tr("Format", "menu bar"));
    const QString labels[4] = {tr("Count down", "menu Format"), tr("Calendar clock", "menu Format"),
                               tr("Calendar Clock AM/PM", "menu Format"), tr("Solar Time", "menu Format")};
    const QString prompts[4] = {tr("Count down/up to target date/time\nor up"), tr("Day, Date and Time\nToday"),
                                tr("Same as Calendar Clock with AM PM indecators\\m\nAM PM"),
                                tr("At 12 Noon sun is directly overhead\n Sun Dial")};
    for (int i = 0; i < 4; ++i) {
        actMode[i] = MakeAction(this, labels[i], prompts[i]);
        connect(actMode[i], &QAction::triggered, this, [this, i] { OnDisplayMode(i); });
        format->addAction(actMode[i]);
    }

    QMenu* help = menuBar()->addMenu(tr("&Help", "menu bar"));
    actAbout = MakeAction(this, tr("&About Markwheel...", "menu Help"),
                          tr("Display program information, version number and copyright\nAbout"));
    connect(actAbout, &QAction::triggered, this, [this] { OnAppAbout(); });
    help->addAction(actAbout);

    // Shortcuts work with the menu bar hidden or native, too.
    for (QAction* a : {actNew, actOpen, actSave, actUndo, actCut, actCopy, actPaste}) addAction(a);
}

void CMainFrame::OnDocumentReady()
{
    m_pView->OnInitialUpdate();
    // A new document gets its target at once; its defaults stay when the dialog is cancelled.
    if (m_pDoc->TakeTargetRequest()) RunTargetDialog();
}

bool CMainFrame::RunTargetDialog()
{
    const MarkwheelData& d = m_pDoc->Data();
    CSetTargetDlg dlg(this);
    dlg.m_strTitle = d.title;
    dlg.m_nYear = d.year;
    dlg.m_nMonth = d.month;
    dlg.m_nDay = d.day;
    dlg.m_nHour = d.hour;
    dlg.m_nMinute = d.minute;
    dlg.m_nSecond = d.second;
    if (dlg.DoModal() != QDialog::Accepted) return false;
    MarkwheelData t = d;
    t.title = dlg.m_strTitle;
    t.year = dlg.m_nYear;
    t.month = dlg.m_nMonth;
    t.day = dlg.m_nDay;
    t.hour = dlg.m_nHour;
    t.minute = dlg.m_nMinute;
    t.second = dlg.m_nSecond;
    m_pDoc->SetTarget(t);
    return true;
}

void CMainFrame::OnChange()
{
    RunTargetDialog();
}

void CMainFrame::OnReset()
{
    ISettingsStore& s = AppSettings();
    for (int i = 1; i <= 9; ++i) s.WriteInt("InUse", StrFormat("File%d", i), 0);
}

void CMainFrame::OnDisplayMode(int mode)
{
    m_pDoc->SetDisplayMode(mode);
}

void CMainFrame::OnAppExit()
{
    // The section's unnamed default value.
    AppSettings().WriteInt("InUse", "Default", 0);
    close();
}

void CMainFrame::OnAppAbout()
{
    QDialog dlg(this);
    dlg.setWindowTitle(tr("About Markwheel"));
    dlg.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QLabel* icon = new QLabel(&dlg);
    icon->setPixmap(MarkwheelIcon().pixmap(32, 32));
    QLabel* text = new QLabel(tr("Markwheel Version 1.0"), &dlg);
    text->setObjectName("version");
    QDialogButtonBox* ok = new QDialogButtonBox(QDialogButtonBox::Ok, &dlg);
    ok->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    connect(ok, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QHBoxLayout* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text, 1);
    QVBoxLayout* top = new QVBoxLayout(&dlg);
    top->addLayout(row);
    top->addWidget(ok);
    if (aboutHook) aboutHook(dlg);
    else dlg.exec();
}

QIcon MarkwheelIcon()
{
    // A red wheel with a white hand, the same picture as the installed markwheel.svg.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        p.setPen(QPen(QColor(0x80, 0, 0), 3));
        p.setBrush(QColor(0xD0, 0x20, 0x20));
        p.drawEllipse(QPointF(32, 32), 28, 28);
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 12; ++i) {
            p.save();
            p.translate(32, 32);
            p.rotate(i * 30);
            p.drawLine(QPointF(0, -24), QPointF(0, i % 3 == 0 ? -18 : -21));
            p.restore();
        }
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(32, 32), QPointF(32, 13));
        p.drawLine(QPointF(32, 32), QPointF(44, 39));
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(32, 32), 3.5, 3.5);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}
