// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's only view: large countdown or clock texts, redrawn ten times a second.
#include <QBasicTimer>
#include <QFont>
#include <QWidget>
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

    static constexpr int kTimerId = 5660;
    static constexpr int kTickMs = 100;

protected:
    void paintEvent(QPaintEvent*) override;
    void timerEvent(QTimerEvent* e) override;

private:
    void DrawLine(QPainter& p, int line, const QString& text, const QRect& box);

    CMarkwheelDoc* m_doc;
    QBasicTimer m_timer;
    CFontFitter m_fit[3];
    MarkwheelDisplay m_painted;
    bool m_hasPainted = false;
};
