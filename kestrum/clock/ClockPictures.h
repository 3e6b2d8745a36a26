#pragma once
// The pictures the clock ships with, painted rather than stored.
#include <QIcon>
#include <QImage>

// The clock's icon (window icon and "Icon" face), 32 by 32 pixels and larger sizes.
QIcon ClockIcon();
// The "Photo" face's picture: 345 by 345 pixels, true colour.
QImage ClockPhoto();
