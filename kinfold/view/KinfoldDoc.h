// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document: the user's birthday list, stored as a ".kfd" file.
#include "birthdays/BirthdayList.h"
#include "platform/Document.h"

class CKinfoldDoc : public CDocument {
public:
    CKinfoldDoc();

    BirthdayList& List() { return m_List; }
    const BirthdayList& List() const { return m_List; }

    bool OnNewDocument() override;
    void DeleteContents() override;
    // A zero-length file (the start file made on a first start) reads as an empty list.
    void Serialize(CArchive& ar) override;
    std::function<void()> SaveStateForRestore() override;

private:
    BirthdayList m_List;
};
