// SPDX-License-Identifier: GPL-3.0-or-later
#include "MarkwheelDoc.h"
#include "core/MarkwheelFile.h"

CMarkwheelDoc::CMarkwheelDoc(const ITimeSource* time) : m_time(time ? time : &SystemTime())
{
    m_data = MarkwheelDefaults(*m_time);
}

void CMarkwheelDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        StoreMarkwheel(ar, m_data);
        return;
    }
    bool shortForm = LoadMarkwheel(ar, m_data);
    m_bAskTarget = false;
    // A file without the mode is saved again in the full form when closed.
    SetModifiedFlag(shortForm);
    if (onViewChanged) onViewChanged();
}

bool CMarkwheelDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument()) return false;
    m_data = MarkwheelDefaults(*m_time);
    m_bAskTarget = true;
    if (onViewChanged) onViewChanged();
    return true;
}

std::function<void()> CMarkwheelDoc::SaveStateForRestore()
{
    MarkwheelData saved = m_data;
    bool modified = IsModified();
    return [this, saved, modified] {
        m_data = saved;
        SetModifiedFlag(modified);
    };
}

void CMarkwheelDoc::SetTarget(const MarkwheelData& t)
{
    int mode = m_data.mode;
    m_data = t;
    m_data.mode = mode;
    SetModifiedFlag(true);
    if (onViewChanged) onViewChanged();
}

void CMarkwheelDoc::SetDisplayMode(int mode)
{
    m_data.mode = mode;
    SetModifiedFlag(true);
    if (onViewChanged) onViewChanged();
}

bool CMarkwheelDoc::TakeTargetRequest()
{
    bool r = m_bAskTarget;
    m_bAskTarget = false;
    return r;
}
