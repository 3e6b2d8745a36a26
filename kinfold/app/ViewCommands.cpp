// SPDX-License-Identifier: GPL-3.0-or-later
// The view's commands that open dialogs: the names list, the import (GEDCOM or vCard), the
// calendar export, the holidays, the options sheet, the year chooser, the target date and the click on a day.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QStatusBar>
#include <ctime>
#include <functional>
#include "app/BirthdayEditDlg.h"
#include "app/BirthdayNamesDlg.h"
#include "app/EditDateDlg.h"
#include "app/HolidayListDlg.h"
#include "app/OptionsSheet.h"
#include "app/PleaseChooseDlg.h"
#include "app/ViewCommands.h"
#include "app/YearDlg.h"
#include "birthdays/BirthdayImport.h"
#include "platform/Document.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"
#include "view/KinfoldDoc.h"
#include "view/KinfoldView.h"
#include "view/core/CalendarExport.h"
#include "view/core/DayClick.h"

namespace {
// Removes entry i; the later entries move up one place.
void RemoveEntry(BirthdayList& list, int i)
{
    int n = list.GetCount();
    if (i < 0 || i >= n) return;
    for (int j = i; j + 1 < n; ++j) list.SetAt(j, list[j + 1]);
    list.SetSize(n - 1);
}
}  // namespace

QString FindGedcomFolder(const QString& start, int maxDepth, int maxEntries)
{
    int budget = maxEntries;
    QString found;
    std::function<bool(const QString&, int)> walk = [&](const QString& folder, int depth) {
        const QFileInfoList list = QDir(folder).entryInfoList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Unsorted);
        for (const QFileInfo& fi : list) {
            if (--budget < 0) return true;
            if (fi.isDir()) {
                if (!fi.isSymLink() && depth < maxDepth && walk(fi.filePath(), depth + 1)) return true;
                continue;
            }
            const QString name = fi.fileName();
            const QString lower = name.toLower();
            // Address books import as well as genealogy files.
            if (!name.startsWith('.') &&
                (lower.contains(".ged") || lower.endsWith(".vcf") || lower.endsWith(".vcard"))) {
                found = fi.absolutePath();
                return true;
            }
        }
        return false;
    };
    walk(start, 0);
    return found.isEmpty() ? start : found;
}

void CKinfoldView::OnList()
{
    CBirthdayNamesDlg dlg(GetDocument(), this);
    if (dlg.exec() != QDialog::Accepted) return;
    m_bRedraw = true;
    update();
}

void CKinfoldView::OnImport()
{
    const QString workingFolder = QDir::currentPath();
    // Bounded, so that a start in a large folder (a home folder) stays quick.
    const QString startFolder = FindGedcomFolder(workingFolder, 4, 20000);
    QString path = CDocFrame::fileDialogHook
                       ? CDocFrame::fileDialogHook(false, startFolder)
                       : QFileDialog::getOpenFileName(this, "Open", startFolder,
                                                      "Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;"
                                                      "vCard address book (*.vcf *.vcard);;All files (*)");
    if (!path.isEmpty()) {
        BirthdayList& list = GetDocument()->List();
        if (!list.IsEmpty() &&
            AfxMessageBox("Name list is not empty.  Do you want to merge the file into your current list?",
                          MB_YESNO | MB_ICONQUESTION, CString(), this) != IDYES) {
            AfxMessageBox("You may save the current list by selecting save or save as on the file menu then clear "
                          "the curren list by selecting new in the file menu.",
                          MB_OK, CString(), this);
            QDir::setCurrent(workingFolder);
            return;
        }
        ScopedPleaseChoose ask(list, this);
        // GEDCOM or vCard, told apart by what the file holds, not by its name.
        BirthdayImportStats stats;
        std::string error;
        if (ImportBirthdayFile(FromQt(path), list, stats, error)) {
            list.SortByDate();
            GetDocument()->SetModifiedFlag(true);
        } else {
            AfxMessageBox(error, MB_OK | MB_ICONERROR, CString(), this);
        }
    }
    m_bRedraw = true;
    update();
    QDir::setCurrent(workingFolder);
}

void CKinfoldView::OnExportCalendar()
{
    // Beside the document, under its name.
    const QString docPath = GetDocument()->GetPathName();
    QString suggested = docPath.isEmpty() ? QDir::current().filePath("Kinfold.ics")
                                          : QFileInfo(docPath).dir().filePath(QFileInfo(docPath).completeBaseName() + ".ics");
    QString path = CDocFrame::fileDialogHook ? CDocFrame::fileDialogHook(true, suggested)
                                             : QFileDialog::getSaveFileName(this, "Export Calendar", suggested,
                                                                            "iCalendar file (*.ics);;All files (*)");
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".ics";
    // What the calendar shows in profile 0: the switches in effect when it is the one shown.
    DisplayOptions profile0 = m_nCalendarType == 0 ? m_Options : ::LoadDisplayOptions(AppSettings(), 0);
    CalendarExportOptions options;
    options.switches = profile0.switches;
    options.leapDay = profile0.leapDay;
    options.stamp = (int64_t)std::time(nullptr);
    int events = 0;
    std::string error;
    if (!ExportCalendarFile(FromQt(path), GetDocument()->List(), options, events, error)) {
        AfxMessageBox(error, MB_OK | MB_ICONERROR, CString(), this);
        return;
    }
    // Said where the user looks anyway, without a box to close.
    if (auto* frame = qobject_cast<QMainWindow*>(window()))
        frame->statusBar()->showMessage(
            QString("%1 %2 written to %3").arg(events).arg(events == 1 ? "event" : "events").arg(path), 10000);
}

void CKinfoldView::OnHolliday()
{
    CHolidayListDlg dlg(Holidays(), this);
    dlg.exec();
    m_bRedraw = true;
    update();
}

void CKinfoldView::OnOptions()
{
    COptions sheet("Options", this, 0);
    sheet.SetProfileNumber(m_nCalendarType);
    if (sheet.exec() == QDialog::Accepted) LoadDisplayOptions();
}

void CKinfoldView::OnYear()
{
    CYearDlg dlg(this);
    dlg.m_nYear = m_nYear;
    dlg.m_nMonth = m_nMonth;
    if (dlg.exec() != QDialog::Accepted) return;
    // Year 0 becomes 1 and the month is kept within 1 to 12.
    ShowMonth(dlg.m_nYear, dlg.m_nMonth);
}

void CKinfoldView::OnTarget()
{
    GregorianDate date(m_Options.dTarget);
    EditDate(date, this);
    // Also after Cancel: the target is set again from the unchanged date.
    if (date.month == 0) {
        m_Options.bCountdown = false;
        return;
    }
    m_Options.dTarget = GregorianDate(date.month, date.day, date.year).DayNumber();
    m_Options.bCountdown = true;
    SaveTargetOptions(AppSettings(), m_nCalendarType, m_Options);
    m_bRedraw = true;
    update();
}

void CKinfoldView::OnDayClicked(QPoint pt)
{
    DayUnderPoint hit;
    if (!FindDayAt(LastScreenPage(), pt.x(), pt.y(), hit)) return;

    // The entry drawn under the mouse, found with the same stacking the drawing uses.
    BirthdayList& list = GetDocument()->List();
    BuildDayIndex();
    std::vector<CellLine> lines = StackCellLines(hit.civil, list, m_DayIndex, Holidays(), m_Options,
                                                 FreeTop(hit.civil, hit.box, hit.calendarType), hit.box.bottom,
                                                 m_nLineHeight);
    int index = EntryAtLine(lines, pt.y());

    CBirthdayEditDlg dlg(this);
    dlg.m_Entry = index >= 0 ? list.EntryAt(index) : BirthdayEntry(hit.civil);
    dlg.m_bDelete = false;
    if (dlg.exec() != QDialog::Accepted) return;
    if (dlg.m_bDelete) {
        RemoveEntry(list, index);
    } else if (index < 0) {
        ScopedPleaseChoose ask(list, this);
        list.AddOrMerge(dlg.m_Entry);
    } else {
        list.SetAt(index, dlg.m_Entry);
    }
    list.SortByDate();
    m_bRedraw = true;
    update();
    GetDocument()->SetModifiedFlag(true);
}
