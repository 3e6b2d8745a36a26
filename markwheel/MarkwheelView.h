// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's only view: large countdown or clock texts, redrawn ten times a second.
#include <QBasicTimer>
#include <QFont>
#include <QRegion>
#include <QWidget>
class QPainter;
#include <vector>
#include "core/Countdown.h"

class CMarkwheelDoc;

// Finds the largest font of the size sequence 480 pt, x 7/8, ... that fits a text on one line in a box.
// Remembers the last answer per line and checks it with two measurements instead of refitting.
class CFontFitter {
public:
    explicit CFontFitter(const QFont& base = QFont());
    // The font to draw `text` with in a box of `box` pixels.
    const QFont& Fit(const QString& text, QSize box);
    // Fitting without the remembered answer (what Fit must always agree with).
    int FitAfresh(const QString& text, QSize box) const;
    // Sizes in tenths of a point: 4800, 4200, 3675, ... down to 42.
    static const std::vector<int>& Sizes();
    int LastSizeIndex() const { return m_index; }
    int Measurements() const { return m_measurements; }

private:
    bool Fits(int index, const QString& text, QSize box) const;

    std::vector<QFont> m_fonts;
    QSize m_box;
    int m_index = -1;
    mutable int m_measurements = 0;
};

class CMarkwheelView : public QWidget {
    Q_OBJECT
public:
    CMarkwheelView(CMarkwheelDoc* doc, QWidget* parent = nullptr);
    CMarkwheelDoc* GetDocument() const { return m_doc; }

    // Starts the 100 ms tick once the first document is in place.
    void OnInitialUpdate();
    bool IsTicking() const { return m_timer.isActive(); }
    // What the next paint draws.
    MarkwheelDisplay CurrentDisplay() const;
    // Repaints at once (mode or target changed).
    void Refresh();
    // One tick of the timer: asks to repaint only the parts of the lines whose characters changed.
    void Tick();
    // The area the last tick asked to repaint (empty when nothing changed).
    const QRegion& LastTickRegion() const { return m_tickRegion; }

    static constexpr int kTimerId = 5660;
    static constexpr int kTickMs = 100;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void timerEvent(QTimerEvent* e) override;

private:
    // Where one line's characters go: each is drawn on its own at its place, so that a paint of a
    // part of the line gives the same pixels as a paint of all of it.
    struct LineLayout {
        QString text;
        QFont font;
        QRect box;
        QPointF origin;          // the baseline's left end
        // Piece k is the text from cut[k] to cut[k + 1], drawn from x[k] to x[k + 1] past the origin:
        // each character of a simple text, else the whole text (whose shaping joins characters).
        std::vector<int> cut;
        std::vector<qreal> x;
        int Pieces() const { return (int)x.size() - 1; }
        qreal ascent = 0, descent = 0, margin = 0;
        QRect Ink() const;
        QRect Span(int first, int end) const;
    };
    LineLayout Layout(int line, const QString& text, const QRect& box);
    // The box of each line of `d` in the current client area.
    QRect LineBox(const MarkwheelDisplay& d, int line) const;
    // Lays out `d` as what the window shows from now on.
    void Show(const MarkwheelDisplay& d);
    static QRegion Changed(const LineLayout& before, const LineLayout& after);
    static void DrawLine(QPainter& p, const LineLayout& l, const QRegion& area);

    CMarkwheelDoc* m_doc;
    QBasicTimer m_timer;
    CFontFitter m_fit[3];
    MarkwheelDisplay m_shown;
    LineLayout m_layout[3];
    bool m_shownValid = false;
    QRegion m_tickRegion;
};
