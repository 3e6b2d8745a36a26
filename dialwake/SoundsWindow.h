// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's "Sounds" window: which sounds the clocks may make, as a check-box tree.
#include <QWidget>

class CSound;
class CTreeCheck;
class QLabel;

class SoundsWindow : public QWidget {
    Q_OBJECT
public:
    explicit SoundsWindow(QWidget* parent = nullptr);
    ~SoundsWindow() override;

    CTreeCheck* Tree() const { return m_pTree; }
    QString LastChange() const;

protected:
    bool event(QEvent* e) override;

private:
    CTreeCheck* m_pTree = nullptr;
    QLabel* m_pChange = nullptr;
    QLabel* m_pOutput = nullptr;
    CSound* m_pSound = nullptr;
};
