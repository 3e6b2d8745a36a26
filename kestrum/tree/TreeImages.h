// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>
#include <QPixmap>

// The eleven 15 x 15 pictures of the tree, in index order: blank, UnChecked, Checked, Both,
// UnCheckedSel, CheckedSel, BothSel, Closed, Open, ClosedSel, OpenSel.
std::vector<QPixmap> MakeTreeImages();
