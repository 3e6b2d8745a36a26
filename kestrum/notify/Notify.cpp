// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/notify.h"
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace {

const char* const kService = "org.freedesktop.Notifications";
const char* const kPath = "/org/freedesktop/Notifications";

class DesktopNotifier : public Notifier {
public:
    explicit DesktopNotifier(int timeoutMs) : m_timeoutMs(timeoutMs) {}

    bool Notify(const Notification& n, std::string& why) override
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) {
            why = "no session bus (" + bus.lastError().message().toStdString() + ")";
            if (why == "no session bus ()") why = "no session bus";
            return false;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, "Notify");
        // A service that reads markup in the body would take "Joe & Mary" or "<3" for tags.
        QString body = QString::fromStdString(n.body);
        if (BodyMarkup(bus)) body = body.toHtmlEscaped();
        QVariantMap hints;
        if (!n.desktopEntry.empty()) hints.insert("desktop-entry", QString::fromStdString(n.desktopEntry));
        call << QString::fromStdString(n.appName) << 0u << QString::fromStdString(n.icon)
             << QString::fromStdString(n.summary) << body << QStringList() << hints
             << n.timeoutMs;
        QDBusMessage reply = bus.call(call, QDBus::Block, m_timeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            why = "no notification service on the session bus (" + reply.errorMessage().toStdString() + ")";
            return false;
        }
        return true;
    }

private:
    // Asked once per notifier; a service that does not answer is taken to read plain text.
    bool BodyMarkup(QDBusConnection& bus)
    {
        if (m_markup < 0) {
            QDBusMessage ask = QDBusMessage::createMethodCall(kService, kPath, kService, "GetCapabilities");
            QDBusMessage reply = bus.call(ask, QDBus::Block, m_timeoutMs);
            m_markup = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
                       reply.arguments().first().toStringList().contains("body-markup");
        }
        return m_markup == 1;
    }

    int m_timeoutMs;
    int m_markup = -1;
};

} // namespace

Notifier::~Notifier() = default;

std::unique_ptr<Notifier> MakeDesktopNotifier(int timeoutMs)
{
    return std::make_unique<DesktopNotifier>(timeoutMs);
}

bool RecordingNotifier::Notify(const Notification& n, std::string& why)
{
    shown.push_back(n);
    if (m_refusal.empty()) return true;
    why = m_refusal;
    return false;
}
