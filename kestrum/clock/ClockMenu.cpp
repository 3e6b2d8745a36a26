// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/ClockMenu.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>

#include "kestrum/autostart.h"
#include "kestrum/clock.h"
#include "platform/MessageBox.h"
#include "platform/TextCodec.h"

QMenu* MakeClockMenu(CClockDlg* clock)
{
    auto* menu = new QMenu(clock);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* setup = menu->addAction(CClockDlg::tr("City, face and alarm...", "menu clock"));
    QObject::connect(setup, &QAction::triggered, clock, [clock] { clock->Setup(); });
    QAction* login = menu->addAction(CClockDlg::tr("Start at login", "menu clock"));
    login->setCheckable(true);
    login->setChecked(StartsAtLogin(AutostartPlacesOfUser(), kClockHostAutostart));
    QObject::connect(login, &QAction::toggled, clock, [clock](bool on) {
        std::string error;
        const std::string program = FromQt(QCoreApplication::applicationFilePath());
        if (!SetStartAtLogin(AutostartPlacesOfUser(), kClockHostAutostart, on, program, error))
            AfxMessageBox(CString(error), MB_OK | MB_ICONWARNING, "Dialwake", clock);
    });
    menu->addSeparator();
    QObject::connect(menu->addAction(CClockDlg::tr("Minimize", "menu clock")), &QAction::triggered, clock, [clock] { clock->GoMin(); });
    QObject::connect(menu->addAction(CClockDlg::tr("Delete this clock...", "menu clock")), &QAction::triggered, clock, [clock] {
        if (AfxMessageBox(FromQt(CClockDlg::tr("Delete this clock?")), MB_YESNO | MB_ICONQUESTION, ClockShortName(clock->GetShownName()), clock)
            == IDYES)
            clock->DeleteClock();
    });
    return menu;
}

void InstallClockMenu(CClockDlg* clock)
{
    clock->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(clock, &QWidget::customContextMenuRequested, clock, [clock](const QPoint& at) {
        const bool rightClick = QGuiApplication::mouseButtons() & Qt::RightButton;
        if (rightClick && !(QGuiApplication::keyboardModifiers() & Qt::ControlModifier)) return;
        MakeClockMenu(clock)->popup(clock->mapToGlobal(at));
    });
}
