// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/KinfoldDoc.h"
#include "platform/Archive.h"

CKinfoldDoc::CKinfoldDoc() = default;

bool CKinfoldDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument()) return false;
    m_List.SetSize(0);
    return true;
}

void CKinfoldDoc::DeleteContents()
{
    // The list is replaced as a whole by a load; a failed load must find it intact to restore.
}

void CKinfoldDoc::Serialize(CArchive& ar)
{
    if (ar.IsLoading() && ar.AtEnd() && ar.Position() == 0) {
        m_List.SetSize(0);
        return;
    }
    m_List.Serialize(ar);
}

std::function<void()> CKinfoldDoc::SaveStateForRestore()
{
    std::vector<BirthdayEntry> saved = m_List.Entries();
    return [this, saved] {
        m_List.SetSize((int)saved.size());
        for (int i = 0; i < (int)saved.size(); ++i) m_List.SetAt(i, saved[(size_t)i]);
    };
}
