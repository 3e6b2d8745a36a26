// SPDX-License-Identifier: GPL-3.0-or-later
#include "MarkwheelView.h"
#include <QApplication>
#include <algorithm>
#include <QDate>
#include <QFontMetrics>
#include <QLocale>
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
    // The day, the date and the half of the day in the locale's words; "C" and English keep the
    // program's own lines.
    const QLocale locale;
    const bool local = locale.language() != QLocale::C && locale.language() != QLocale::English;
    DayHalfWords words;
    if (local) {
        if (!locale.amText().isEmpty()) words.am = FromQt(locale.amText());
        if (!locale.pmText().isEmpty()) words.pm = FromQt(locale.pmText());
        words.before = locale.language() == QLocale::Japanese;
    }
    MarkwheelDisplay d = ComposeDisplay(m_doc->Data(), m_doc->Time(), words);
    if (d.month == 0 || !local) return d;
    const QDate date((int)d.year, d.month, d.day);
    if (!date.isValid()) return d;
    // The long date without its weekday, which line 1 shows.
    QString form = locale.dateFormat(QLocale::LongFormat);
    form.remove(QLatin1String("dddd"));
    while (!form.isEmpty() && (form.front() == ',' || form.front() == ' ')) form.remove(0, 1);
    while (!form.isEmpty() && (form.back() == ',' || form.back() == ' ')) form.chop(1);
    d.lines[0] = FromQt(locale.dayName(date.dayOfWeek(), QLocale::LongFormat));
    d.lines[1] = FromQt(locale.toString(date, form));
    return d;
}

void CMarkwheelView::Refresh()
{
    m_shownValid = false;
    update();
}

void CMarkwheelView::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Refresh();
}

void CMarkwheelView::timerEvent(QTimerEvent* e)
{
    if (e->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(e);
        return;
    }
    Tick();
}

QRect CMarkwheelView::LineLayout::Ink() const
{
    return Span(0, Pieces());
}

QRect CMarkwheelView::LineLayout::Span(int first, int end) const
{
    // The margin takes in what a glyph draws beyond its advance.
    return QRectF(QPointF(origin.x() + x[(size_t)first] - margin, origin.y() - ascent - margin),
                  QPointF(origin.x() + x[(size_t)end] + margin, origin.y() + descent + margin))
        .toAlignedRect();
}

CMarkwheelView::LineLayout CMarkwheelView::Layout(int line, const QString& text, const QRect& box)
{
    LineLayout l;
    l.text = text;
    l.box = box;
    l.cut = {0};
    l.x = {0};
    if (box.width() <= 0 || box.height() <= 0) return l;
    l.font = m_fit[line].Fit(text, box.size());
    QFontMetricsF fm(l.font);
    // Characters before the combining marks stand alone; anything else is shaped whole.
    const bool simple = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x300; });
    for (qsizetype k = 1; simple && k < text.size(); ++k) {
        l.cut.push_back((int)k);
        l.x.push_back(fm.horizontalAdvance(text.left(k)));
    }
    l.cut.push_back((int)text.size());
    l.x.push_back(fm.horizontalAdvance(text));
    l.ascent = fm.ascent();
    l.descent = fm.descent();
    l.margin = fm.height() / 4 + 2;
    // Centred on one line, as drawn without clipping when even the smallest font is too large.
    l.origin = QPointF(box.left() + (box.width() - l.x.back()) / 2, box.top() + (box.height() - fm.height()) / 2 + l.ascent);
    return l;
}

QRect CMarkwheelView::LineBox(const MarkwheelDisplay& d, int line) const
{
    QRect r = rect();
    if (d.lineCount == 1) return r;
    int top = r.top(), h = r.height(), v = h / 5;
    return QRect(r.left(), top + line * (h / 3), r.width(), v);
}

void CMarkwheelView::Show(const MarkwheelDisplay& d)
{
    for (int i = 0; i < 3; ++i)
        m_layout[i] = i < d.lineCount ? Layout(i, ToQt(d.lines[i]), LineBox(d, i)) : LineLayout();
    m_shown = d;
    m_shownValid = true;
}

QRegion CMarkwheelView::Changed(const LineLayout& before, const LineLayout& after)
{
    if (before.text == after.text && before.font == after.font && before.box == after.box) return QRegion();
    if (before.font != after.font || before.box != after.box || before.origin != after.origin ||
        before.cut != after.cut || before.x != after.x)
        return QRegion(before.Ink()) + after.Ink();
    QRegion changed;
    for (int k = 0; k < after.Pieces(); ++k) {
        const int from = after.cut[(size_t)k], length = after.cut[(size_t)k + 1] - from;
        if (before.text.mid(from, length) != after.text.mid(from, length)) changed += after.Span(k, k + 1);
    }
    return changed;
}

void CMarkwheelView::Tick()
{
    m_tickRegion = QRegion();
    // Not laid out yet: the whole window is about to be painted anyway.
    if (!m_shownValid) return;
    MarkwheelDisplay d = CurrentDisplay();
    if (d == m_shown) return;
    if (d.lineCount != m_shown.lineCount || d.colour != m_shown.colour || d.windowTitle != m_shown.windowTitle) {
        Show(d);
        m_tickRegion = rect();
    } else {
        LineLayout before[3] = {m_layout[0], m_layout[1], m_layout[2]};
        Show(d);
        for (int i = 0; i < d.lineCount; ++i) m_tickRegion += Changed(before[i], m_layout[i]);
    }
    update(m_tickRegion);
}

void CMarkwheelView::paintEvent(QPaintEvent* e)
{
    if (!m_shownValid) Show(CurrentDisplay());
    const MarkwheelDisplay& d = m_shown;
    QWidget* frame = window();
    QString title = ToQt(d.windowTitle);
    if (frame && frame->windowTitle() != title) frame->setWindowTitle(title);

    QPainter p(this);
    const QRect area = e->rect();
    p.fillRect(area, palette().color(QPalette::Base));
    p.setPen(QColor(d.colour & 0xFF, (d.colour >> 8) & 0xFF, (d.colour >> 16) & 0xFF));
    for (int i = 0; i < d.lineCount; ++i) DrawLine(p, m_layout[i], e->region());
}

void CMarkwheelView::DrawLine(QPainter& p, const LineLayout& l, const QRegion& area)
{
    if (l.box.width() <= 0 || l.box.height() <= 0 || !area.intersects(l.Ink())) return;
    p.setFont(l.font);
    // Large glyphs are drawn from their outlines: only those in the area are worth drawing.
    for (int k = 0; k < l.Pieces(); ++k)
        if (area.intersects(l.Span(k, k + 1)))
            p.drawText(QPointF(l.origin.x() + l.x[(size_t)k], l.origin.y()),
                       l.text.mid(l.cut[(size_t)k], l.cut[(size_t)k + 1] - l.cut[(size_t)k]));
}
