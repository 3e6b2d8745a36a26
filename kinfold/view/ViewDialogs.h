// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs behind the view's commands. The program shell supplies them (SetDialogs), so that
// the view links without them and the commands run without a dialog when none is given.
class CKinfoldView;
class QPoint;

class IViewDialogs {
public:
    virtual ~IViewDialogs() = default;
    virtual void List(CKinfoldView& view) = 0;
    virtual void Import(CKinfoldView& view) = 0;
    virtual void ExportCalendar(CKinfoldView& view) = 0;
    virtual void Holidays(CKinfoldView& view) = 0;
    // The events of the coming days; nothing where the shell has no such list.
    virtual void Upcoming(CKinfoldView&) {}
    virtual void Options(CKinfoldView& view) = 0;
    virtual void Year(CKinfoldView& view) = 0;
    virtual void Target(CKinfoldView& view) = 0;
    // A left click on the page at `pt`.
    virtual void DayClicked(CKinfoldView& view, const QPoint& pt) = 0;
};
