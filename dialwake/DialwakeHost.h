// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock host: brings back the clocks of the restart file, makes and destroys clocks when they
// ask, offers a new clock and the Sounds window from a tray icon or a small window, and ends when
// the last clock has gone.
#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <vector>
#include "platform/CString.h"

class CClockDlg;
class QLocalServer;
class QSystemTrayIcon;
class SoundsWindow;

class DialwakeHost : public QMainWindow {
    Q_OBJECT
public:
    explicit DialwakeHost(QWidget* parent = nullptr);
    ~DialwakeHost() override;

    // One clock per line of the restart file and per command (restart lines or new-clock
    // fragments given on the command line); one clock for the home city when there are none.
    void Start(const QStringList& commands = {});
    // A clock from a restart line, a fragment or an empty text; placed beside the window at
    // beside when it is given and the command has no place.
    CClockDlg* MakeClock(const CString& command, const QRect& beside = QRect());
    // Asks for a city and makes a clock for it.
    void NewClock();
    void ShowSounds();
    // On Wayland without an X server: says once that the clocks open where the desktop puts them.
    void TellPlacesCannotBeKept();
    // A later start's arguments: a clock for each, or the chooser for a new clock when there are none.
    void Receive(const QStringList& commands);
    // Takes later starts' arguments from the local socket at `path` (a stale one is replaced).
    bool ListenForLaterStarts(const QString& path);

    const std::vector<CClockDlg*>& Clocks() const { return m_clocks; }
    // Whether the host quits the application when its last clock goes (tests turn it off).
    void SetQuitWhenEmpty(bool quit) { m_quitWhenEmpty = quit; }

protected:
    void customEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    std::vector<CClockDlg*> m_clocks;
    QSystemTrayIcon* m_tray = nullptr;
    QLocalServer* m_server = nullptr;
    QPointer<SoundsWindow> m_sounds;
    bool m_quitWhenEmpty = true;
};
