// SPDX-License-Identifier: GPL-3.0-or-later
#include "MarkwheelView.h"
#include <QApplication>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>
#include "MarkwheelDoc.h"
#include "platform/TextCodec.h"

CFontFitter::CFontFitter(const QFont& base)
{
    for (int size : Sizes()) {
        QFont f(base);
        f.setPointSizeF(size / 10.0);
        m_fonts.push_back(f);
    }
}

const std::vector<int>& CFontFitter::Sizes()
{
    static const std::vector<int> sizes = [] {
        std::vector<int> v;
        int size = 4800;
        v.push_back(size);
        while (size > 39) {
            size = size * 7 / 8;
            v.push_back(size);
        }
        // The last size tried is used even when nothing fits.
        if (v.back() < 42) v.pop_back();
        return v;
    }();
    return sizes;
}

bool CFontFitter::Fits(int index, const QString& text, QSize box) const
{
    ++m_measurements;
    // Measured as drawn, on one line, so that the text never runs past the window's edges.
    QFontMetrics fm(m_fonts[(size_t)index]);
    return fm.horizontalAdvance(text) <= box.width() && fm.height() <= box.height();
}

int CFontFitter::FitAfresh(const QString& text, QSize box) const
{
    int last = (int)m_fonts.size() - 1;
    for (int i = 0; i < last; ++i)
        if (Fits(i, text, box)) return i;
    return last;
}

const QFont& CFontFitter::Fit(const QString& text, QSize box)
{
    int last = (int)m_fonts.size() - 1;
    // The remembered size still answers if it fits and the next larger one does not.
    bool keep = m_index >= 0 && box == m_box && (m_index == last || Fits(m_index, text, box)) &&
                (m_index == 0 || !Fits(m_index - 1, text, box));
    if (!keep) {
        m_index = FitAfresh(text, box);
        m_box = box;
    }
    return m_fonts[(size_t)m_index];
}

CMarkwheelView::CMarkwheelView(CMarkwheelDoc* doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(false);
}

void CMarkwheelView::OnInitialUpdate()
{
    if (!m_timer.isActive()) m_timer.start(kTickMs, this);
    Refresh();
}

MarkwheelDisplay CMarkwheelView::CurrentDisplay() const
{
    return ComposeDisplay(m_doc->Data(), m_doc->Time());
}

void CMarkwheelView::Refresh()
{
    m_hasPainted = false;
    update();
}

void CMarkwheelView::timerEvent(QTimerEvent* e)
{
    if (e->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(e);
        return;
    }
    // A clock line changes once a second: skip the ticks that would draw the same picture.
    if (m_hasPainted && CurrentDisplay() == m_painted && window()->windowTitle() == ToQt(m_painted.windowTitle))
        return;
    update();
}

void CMarkwheelView::paintEvent(QPaintEvent*)
{
    MarkwheelDisplay d = CurrentDisplay();
    QWidget* frame = window();
    QString title = ToQt(d.windowTitle);
    if (frame && frame->windowTitle() != title) frame->setWindowTitle(title);

    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(QColor(d.colour & 0xFF, (d.colour >> 8) & 0xFF, (d.colour >> 16) & 0xFF));
    QRect r = rect();
    if (d.lineCount == 1) {
        DrawLine(p, 0, ToQt(d.lines[0]), r);
    } else {
        int top = r.top(), h = r.height(), v = h / 5;
        for (int i = 0; i < 3; ++i) DrawLine(p, i, ToQt(d.lines[i]), QRect(r.left(), top + i * (h / 3), r.width(), v));
    }
    m_painted = d;
    m_hasPainted = true;
}

void CMarkwheelView::DrawLine(QPainter& p, int line, const QString& text, const QRect& box)
{
    if (box.width() <= 0 || box.height() <= 0) return;
    p.setFont(m_fit[line].Fit(text, box.size()));
    p.drawText(box, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, text);
}
