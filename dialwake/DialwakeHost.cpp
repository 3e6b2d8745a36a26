// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialwakeHost.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "HostInstance.h"
#include "SoundsWindow.h"
#include "kestrum/clock.h"
#include "kestrum/settings.h"
#include "platform/TextCodec.h"

DialwakeHost::DialwakeHost(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle("Dialwake");
    auto* actNew = new QAction(tr("New clock...", "menu tray"), this);
    auto* actSounds = new QAction(tr("Sounds...", "menu tray"), this);
    auto* actQuit = new QAction(tr("Quit", "menu tray"), this);
    connect(actNew, &QAction::triggered, this, [this] { NewClock(); });
    connect(actSounds, &QAction::triggered, this, [this] { ShowSounds(); });
    // Quitting keeps every clock's line: they all come back next time.
    connect(actQuit, &QAction::triggered, qApp, &QApplication::quit);

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    for (QAction* a : {actNew, actSounds, actQuit}) {
        auto* b = new QPushButton(a->text(), central);
        connect(b, &QPushButton::clicked, a, &QAction::trigger);
        row->addWidget(b);
    }
    setCentralWidget(central);

    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        auto* menu = new QMenu(this);
        menu->addAction(actNew);
        menu->addAction(actSounds);
        menu->addSeparator();
        menu->addAction(actQuit);
        m_tray = new QSystemTrayIcon(this);
        m_tray->setIcon(QApplication::windowIcon());
        m_tray->setToolTip("Dialwake");
        m_tray->setContextMenu(menu);
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
            if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick) NewClock();
        });
    }
}

DialwakeHost::~DialwakeHost()
{
    // Clocks closed by the host keep their lines.
    for (CClockDlg* c : m_clocks) delete c;
    m_clocks.clear();
    delete m_sounds;
}

void DialwakeHost::Start(const QStringList& commands)
{
    if (m_tray) {
        m_tray->show();
    } else {
        // No tray here: a small window in the bottom left corner stands in for it.
        adjustSize();
        if (QScreen* s = QGuiApplication::primaryScreen()) {
            QRect a = s->availableGeometry();
            move(a.left() + 8, a.bottom() - frameGeometry().height() - 8);
        }
        show();
    }
    // The file is read whole before any clock rewrites it.
    std::vector<CString> lines;
    // Lines that name no city are no clocks; they stay in the file as they are.
    for (const CString& line : CClockDlg::ReadRestartFile())
        if (RestartLineIsClock(line)) lines.push_back(line);
    for (const QString& c : commands) lines.push_back(FromQt(c));
    if (lines.empty()) lines.push_back(CString());
    for (const CString& line : lines) MakeClock(line);
}

CClockDlg* DialwakeHost::MakeClock(const CString& command, const QRect& beside)
{
    auto* clock = new CClockDlg(this);
    m_clocks.push_back(clock);
    if (!beside.isNull()) clock->PlaceBeside(beside);
    clock->SetZone(command);
    return clock;
}

void DialwakeHost::NewClock()
{
    CWhatCity dlg(this);
    CString home;
    GetProfile("Home", "City", home);
    dlg.m_strCity = home;
    dlg.m_Alarm.moment = CTime::GetCurrentTime();
    bool ok = dlg.exec() == QDialog::Accepted;
    if (ok) {
        CString alarmTag;
        if (dlg.m_Alarm.set) alarmTag = dlg.m_Alarm.GetTag();
        CString command = MakeNewClockCommand(dlg.m_nFace, dlg.m_Table.GetZone(dlg.m_strCity).GetTag(),
                                              dlg.m_Alarm.set ? &alarmTag : nullptr, dlg.m_strCity);
        dlg.ReleaseMem();
        MakeClock(command);
    } else {
        dlg.ReleaseMem();
    }
}

void DialwakeHost::ShowSounds()
{
    if (!m_sounds) m_sounds = new SoundsWindow;
    m_sounds->show();
    m_sounds->raise();
    m_sounds->activateWindow();
}

void DialwakeHost::TellPlacesCannotBeKept()
{
    const QString text = tr("This desktop runs on Wayland without XWayland, where programs cannot place their "
                            "windows: the clocks cannot keep their places or stay on top of other windows.");
    std::fprintf(stderr, "dialwake: %s\n", text.toLocal8Bit().constData());
    // Not modal: the clocks run on while it is read.
    auto* box = new QMessageBox(QMessageBox::Information, "Dialwake", text, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

void DialwakeHost::Receive(const QStringList& commands)
{
    if (commands.isEmpty()) {
        // After the hand-over is answered: the chooser waits for the user.
        QTimer::singleShot(0, this, [this] { NewClock(); });
        return;
    }
    for (const QString& c : commands) MakeClock(FromQt(c));
}

bool DialwakeHost::ListenForLaterStarts(const QString& path)
{
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Only the lock's holder gets here, so a socket in the way was left by a host that was killed.
    QLocalServer::removeServer(path);
    if (!m_server->listen(path)) return false;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            auto buffer = std::make_shared<std::string>();
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
                QByteArray bytes = socket->readAll();
                buffer->append(bytes.constData(), (size_t)bytes.size());
                std::vector<std::string> args;
                HandOverParse parse = DecodeHandOver(*buffer, args);
                // A restart line is at most a few kilobytes; far more is no later start of ours.
                if (parse == HandOverParse::incomplete && buffer->size() < (64u << 20)) return;
                QStringList commands;
                if (parse == HandOverParse::complete) {
                    socket->write(kHandOverTaken);
                    socket->flush();
                    for (const std::string& a : args) commands << QString::fromLocal8Bit(a.data(), (qsizetype)a.size());
                }
                socket->disconnectFromServer();
                // Made after this handler has returned: a clock that asks for its city (or reports a
                // fault) waits for the user, and meanwhile the socket is closed and deleted.
                if (parse == HandOverParse::complete)
                    QTimer::singleShot(0, this, [this, commands] { Receive(commands); });
            });
        }
    });
    return true;
}

void DialwakeHost::customEvent(QEvent* e)
{
    if (e->type() == static_cast<QEvent::Type>(WM_CLOCK_NEW)) {
        auto* m = static_cast<CClockMessage*>(e);
        MakeClock(m->Text(), m->Beside());
        return;
    }
    if (e->type() == static_cast<QEvent::Type>(WM_CLOCK_QUIT)) {
        CClockDlg* clock = static_cast<CClockMessage*>(e)->Clock();
        auto it = std::find(m_clocks.begin(), m_clocks.end(), clock);
        if (it != m_clocks.end()) {
            m_clocks.erase(it);
            clock->deleteLater();
        }
        if (m_clocks.empty() && m_quitWhenEmpty) qApp->quit();
        return;
    }
    QMainWindow::customEvent(e);
}

void DialwakeHost::closeEvent(QCloseEvent* e)
{
    e->accept();
    qApp->quit();
}
