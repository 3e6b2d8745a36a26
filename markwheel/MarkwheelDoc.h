// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The countdown document: one titled target moment and a display mode.
#include <functional>
#include "platform/Document.h"
#include "core/Countdown.h"

class CMarkwheelDoc : public CDocument {
public:
    explicit CMarkwheelDoc(const ITimeSource* time = nullptr);

    void Serialize(CArchive& ar) override;
    bool OnNewDocument() override;
    std::function<void()> SaveStateForRestore() override;

    const MarkwheelData& Data() const { return m_data; }
    // Replaces title and target (the mode stays) and marks the document modified.
    void SetTarget(const MarkwheelData& target);
    void SetDisplayMode(int mode);
    int GetDisplayMode() const { return m_data.mode; }

    const ITimeSource& Time() const { return *m_time; }

    // True once after New: the target dialog is still to be shown.
    bool TakeTargetRequest();

    // Called when what the view shows changes other than by the clock.
    std::function<void()> onViewChanged;

private:
    const ITimeSource* m_time;
    MarkwheelData m_data;
    bool m_bAskTarget = false;
};
