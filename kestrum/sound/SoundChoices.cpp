// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/sound.h"

#include <QTreeWidgetItemIterator>

#include "kestrum/settings.h"
#include "kestrum/tree.h"

namespace {

const char kSection[] = "Sounds";

CString KeyOf(unsigned long id)
{
    return StrFormat("Sound%lu", id);
}

// Items whose data is kFirstSoundId or more are sounds; the others are the groups above them.
template <typename Fn> void EachSound(const CTreeCheck& tree, Fn fn)
{
    for (QTreeWidgetItemIterator it(const_cast<CTreeCheck*>(&tree)); *it; ++it)
        if (tree.GetItemData(*it) >= CSound::kFirstSoundId) fn(*it, tree.GetItemData(*it));
}

}  // namespace

void CSound::StoreChoices(const CTreeCheck& tree)
{
    EachSound(tree, [&](HTREEITEM item, unsigned long id) { SetProfile(kSection, KeyOf(id), tree.GetCheck(item)); });
}

void CSound::RestoreChoices(CTreeCheck& tree)
{
    EachSound(tree, [&](HTREEITEM item, unsigned long id) {
        int on = -1;
        GetProfile(kSection, KeyOf(id), on);
        if (on == 0 || on == 1) tree.SetCheck(item, on);
    });
}
