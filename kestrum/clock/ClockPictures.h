// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures the clock ships with, painted rather than stored.
#include <QIcon>
#include <QImage>
#include <QPixmap>

// The clock's icon (window icon and "Icon" face), 32 by 32 pixels and larger sizes.
QIcon ClockIcon();
// The icon's dial without its hands, for the "Icon" face, which draws the real ones over it.
QPixmap ClockIconDial(int size);
// The "Photo" face's picture: 345 by 345 pixels, true colour.
QImage ClockPhoto();
