// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs behind the view's commands: the names list, the import (GEDCOM or vCard), the
// calendar export, the holidays, the options sheet, the year chooser, the target date and the click on a day.
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <ctime>
#include <functional>
#include "app/BirthdayEditDlg.h"
#include "app/BirthdayNamesDlg.h"
#include "app/EditDateDlg.h"
#include "app/HolidayListDlg.h"
#include "app/OptionsSheet.h"
#include "app/PleaseChooseDlg.h"
#include "app/ReminderDialogs.h"
#include "app/ViewCommands.h"
#include "app/YearDlg.h"
#include "birthdays/BirthdayImport.h"
#include "birthdays/FileBytes.h"
#include "platform/Document.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/TextCodec.h"
#include "view/KinfoldDoc.h"
#include "view/KinfoldView.h"
#include "view/core/CalendarExport.h"

namespace {
// Removes entry i; the later entries move up one place.
void RemoveEntry(BirthdayList& list, int i)
{
    int n = list.GetCount();
    if (i < 0 || i >= n) return;
    for (int j = i; j + 1 < n; ++j) list.SetAt(j, list[j + 1]);
    list.SetSize(n - 1);
}

class CViewDialogs : public IViewDialogs {
public:
    void List(CKinfoldView& view) override;
    void Import(CKinfoldView& view) override;
    void ExportCalendar(CKinfoldView& view) override;
    void Holidays(CKinfoldView& view) override;
    void Upcoming(CKinfoldView& view) override;
    void Options(CKinfoldView& view) override;
    void Year(CKinfoldView& view) override;
    void Target(CKinfoldView& view) override;
    void DayClicked(CKinfoldView& view, const QPoint& pt) override;
};
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

void CViewDialogs::List(CKinfoldView& view)
{
    CBirthdayNamesDlg dlg(view.GetDocument(), &view);
    if (dlg.exec() != QDialog::Accepted) return;
    view.Redraw();
}

void CViewDialogs::Import(CKinfoldView& view)
{
    const QString workingFolder = QDir::currentPath();
    // Bounded, so that a start in a large folder (a home folder) stays quick.
    const QString startFolder = FindGedcomFolder(workingFolder, 4, 20000);
    QString path = CDocFrame::fileDialogHook
                       ? CDocFrame::fileDialogHook(false, startFolder)
                       : QFileDialog::getOpenFileName(&view, CKinfoldView::tr("Import"), startFolder,
                                                      CKinfoldView::tr("Birthday files (*.ged *.vcf *.vcard);;Gedcom file (*.ged);;"
                                                      "vCard address book (*.vcf *.vcard);;All files (*)"));
    QDir::setCurrent(workingFolder);
    if (path.isEmpty()) return;
    // GEDCOM or vCard, told apart by what the file holds, not by its name; a file that is
    // neither needs no answer about merging.
    std::string bytes, error;
    if (!ReadImportFile(FromQt(path), bytes, error)) {
        AfxMessageBox(error, MB_OK | MB_ICONERROR, CString(), &view);
        return;
    }
    BirthdayList& list = view.GetDocument()->List();
    if (!list.IsEmpty() &&
        AfxMessageBox(FromQt(CKinfoldView::tr("Name list is not empty.  Do you want to merge the file into your current list?")),
                      MB_YESNO | MB_ICONQUESTION, CString(), &view) != IDYES) {
        AfxMessageBox(FromQt(CKinfoldView::tr("You may save the current list by selecting save or save as on the file menu then clear "
                                              "the curren list by selecting new in the file menu.")),
                      MB_OK, CString(), &view);
        return;
    }
    BirthdayImportStats stats;
    {
        ScopedPleaseChoose ask(list, &view);
        ImportBirthdays(bytes, list, stats, error);
    }
    list.SortByDate();
    view.GetDocument()->SetModifiedFlag(true);
    view.Redraw();
    // Said where the user looks anyway, without a box to close.
    emit view.statusMessage(
        CKinfoldView::tr("%1 (%n entries in the list)", nullptr, list.GetCount()).arg(ToQt(ImportCountsText(stats))));
}

void CViewDialogs::ExportCalendar(CKinfoldView& view)
{
    // What the calendar shows in profile 0, and the reminders as alarms when they are on; the
    // user sees what goes into the file and what stays out before choosing it.
    const EventRules rules = ProfileZeroRules(view);
    CalendarExportOptions preset;
    preset.switches = rules.switches;
    preset.leapDay = rules.leapDay;
    const ReminderSettings reminders = LoadReminderSettings(AppSettings());
    if (reminders.enabled) {
        preset.alarmDays = reminders.leadDays;
        preset.alarmMinutes = reminders.minutes;
    }
    const BirthdayList& list = view.GetDocument()->List();
    CExportCalendarDlg choose(list, preset, &view);
    if (choose.exec() != QDialog::Accepted) return;
    CalendarExportOptions options = choose.Options();
    options.stamp = (int64_t)std::time(nullptr);

    // Beside the document, under its name.
    const QString docPath = view.GetDocument()->GetPathName();
    QString suggested = docPath.isEmpty() ? QDir::current().filePath("Kinfold.ics")
                                          : QFileInfo(docPath).dir().filePath(QFileInfo(docPath).completeBaseName() + ".ics");
    QString path = CDocFrame::fileDialogHook ? CDocFrame::fileDialogHook(true, suggested)
                                             : QFileDialog::getSaveFileName(&view, CKinfoldView::tr("Export Calendar"), suggested,
                                                                            CKinfoldView::tr("iCalendar file (*.ics);;All files (*)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".ics";
    CalendarLeftOut left;
    const std::vector<CalendarEvent> events = CalendarEvents(list, options, &left);
    std::string error;
    if (!WriteWholeFile(FromQt(path), CalendarFileText(events, options.stamp), error)) {
        AfxMessageBox(error, MB_OK | MB_ICONERROR, CString(), &view);
        return;
    }
    // Said where the user looks anyway, without a box to close; the entries on no day among
    // what was left out.
    const int count = (int)events.size();
    emit view.statusMessage((count == 1 ? CKinfoldView::tr("1 event written to %1; %2")
                                        : CKinfoldView::tr("%n events written to %1; %2", nullptr, count))
                                .arg(path, QString::fromStdString(ExportLeftOutText(left))));
}

void CViewDialogs::Upcoming(CKinfoldView& view)
{
    const QDate today = QDate::currentDate();
    CUpcomingDlg dlg(view.GetDocument()->List(), ProfileZeroRules(view),
                     GregorianDate(today.month(), today.day(), today.year()), &view);
    dlg.exec();
}

void CViewDialogs::Holidays(CKinfoldView& view)
{
    CHolidayListDlg dlg(view.Holidays(), &view);
    dlg.exec();
    view.Redraw();
}

void CViewDialogs::Options(CKinfoldView& view)
{
    COptions sheet(CKinfoldView::tr("Options"), &view, 0);
    sheet.SetProfileNumber(view.m_nCalendarType);
    if (sheet.exec() == QDialog::Accepted) view.LoadDisplayOptions();
}

void CViewDialogs::Year(CKinfoldView& view)
{
    CYearDlg dlg(&view);
    dlg.m_nYear = view.m_nYear;
    dlg.m_nMonth = view.m_nMonth;
    if (dlg.exec() != QDialog::Accepted) return;
    // Year 0 becomes 1 and the month is kept within 1 to 12.
    view.ShowMonth(dlg.m_nYear, dlg.m_nMonth);
}

void CViewDialogs::Target(CKinfoldView& view)
{
    GregorianDate date(view.m_Options.dTarget);
    EditDate(date, &view);
    // Also after Cancel: the target is set again from the unchanged date.
    if (date.month == 0) {
        view.m_Options.bCountdown = false;
        return;
    }
    view.m_Options.dTarget = GregorianDate(date.month, date.day, date.year).DayNumber();
    view.m_Options.bCountdown = true;
    SaveTargetOptions(AppSettings(), view.m_nCalendarType, view.m_Options);
    view.Redraw();
}

void CViewDialogs::DayClicked(CKinfoldView& view, const QPoint& pt)
{
    GregorianDate civil;
    int index = -1;
    if (!view.EntryUnderPoint(pt, civil, index)) return;

    BirthdayList& list = view.GetDocument()->List();
    CBirthdayEditDlg dlg(&view);
    dlg.m_Entry = index >= 0 ? list.EntryAt(index) : BirthdayEntry(civil);
    dlg.m_bDelete = false;
    if (dlg.exec() != QDialog::Accepted) return;
    if (dlg.m_bDelete) {
        RemoveEntry(list, index);
    } else if (index < 0) {
        ScopedPleaseChoose ask(list, &view);
        list.AddOrMerge(dlg.m_Entry);
    } else {
        list.SetAt(index, dlg.m_Entry);
    }
    list.SortByDate();
    view.Redraw();
    view.GetDocument()->SetModifiedFlag(true);
}

IViewDialogs& KinfoldDialogs()
{
    static CViewDialogs dialogs;
    return dialogs;
}
