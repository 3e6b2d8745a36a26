// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ToolTips.h"
#include <QApplication>
#include <QProxyStyle>
#include <QWidget>

namespace {
class ToolTipStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* opt, const QWidget* w, QStyleHintReturn* ret) const override
    {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay) return kToolTipDelayMs;
        return QProxyStyle::styleHint(hint, opt, w, ret);
    }
    // A list row as high as the font clips the tops of capitals with marks ("Österreich" shows
    // as "Osterreich"); a little room above and below keeps them.
    QSize sizeFromContents(ContentsType type, const QStyleOption* opt, const QSize& size,
                           const QWidget* w) const override
    {
        QSize s = QProxyStyle::sizeFromContents(type, opt, size, w);
        if (type == CT_ItemViewItem) s.rheight() += 2 * kItemRowRoom;
        return s;
    }
};
}

void InstallToolTipTiming(QApplication& app)
{
    app.setStyle(new ToolTipStyle(app.style()->name()));
}

void SetToolTip(QWidget* w, const QString& text)
{
    w->setToolTip(text);
    w->setToolTipDuration(kToolTipShowMs);
}
