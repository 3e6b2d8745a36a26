// SPDX-License-Identifier: GPL-3.0-or-later
#include "dav/QtDavTransport.h"
#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QSslError>

namespace {

DavReply::Fault FaultOf(QNetworkReply::NetworkError e)
{
    switch (e) {
    case QNetworkReply::ConnectionRefusedError: return DavReply::Refused;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: return DavReply::Timeout;
    case QNetworkReply::SslHandshakeFailedError: return DavReply::Tls;
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError: return DavReply::NoNetwork;
    default: return DavReply::Broken;
    }
}

// "the certificate of example.org: The certificate has expired"
std::string CertificateText(const QList<QSslError>& errors)
{
    QString name, why;
    for (const QSslError& e : errors) {
        if (name.isEmpty() && !e.certificate().isNull()) {
            QStringList cn = e.certificate().subjectInfo(QSslCertificate::CommonName);
            name = cn.isEmpty() ? e.certificate().subjectDisplayName() : cn.join(", ");
        }
        if (!why.isEmpty()) why += "; ";
        why += e.errorString();
    }
    if (name.isEmpty()) name = QCoreApplication::translate("DavClient", "the server");
    return QCoreApplication::translate("DavClient", "the certificate of \"%1\": %2").arg(name, why).toStdString();
}

} // namespace

QtDavTransport::QtDavTransport(const std::string& user, const std::string& password, int timeoutMs)
    : m_timeoutMs(timeoutMs)
{
    if (!user.empty())
        m_authorization = "Basic " + QByteArray::fromStdString(user + ":" + password).toBase64();
}

std::vector<DavReply> QtDavTransport::Send(const std::vector<DavRequest>& requests)
{
    std::vector<DavReply> out(requests.size());
    std::vector<QNetworkReply*> replies;
    std::vector<std::string> tlsText(requests.size());
    QEventLoop loop;
    size_t open = requests.size();
    for (size_t i = 0; i < requests.size(); ++i) {
        const DavRequest& q = requests[i];
        QNetworkRequest request(QUrl(QString::fromStdString(q.url)));
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        request.setTransferTimeout(m_timeoutMs);
        if (!m_authorization.isEmpty()) request.setRawHeader("Authorization", m_authorization);
        for (const auto& [name, value] : q.headers)
            request.setRawHeader(QByteArray::fromStdString(name), QByteArray::fromStdString(value));
        QNetworkReply* reply = m_nam.sendCustomRequest(request, QByteArray::fromStdString(q.method),
                                                      QByteArray::fromStdString(q.body));
        QObject::connect(reply, &QNetworkReply::sslErrors, reply,
                         [&tlsText, i](const QList<QSslError>& errors) { tlsText[i] = CertificateText(errors); });
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&open, &loop] {
            if (--open == 0) loop.quit();
        });
        replies.push_back(reply);
    }
    if (open > 0) loop.exec();
    for (size_t i = 0; i < replies.size(); ++i) {
        QNetworkReply* reply = replies[i];
        DavReply& r = out[i];
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        // Errors below 100 are the connection's (refused, timed out, TLS, network), not HTTP's.
        const bool connectionFault = reply->error() > QNetworkReply::NoError && reply->error() < 100;
        if (status.isValid() && !connectionFault) {
            r.status = status.toInt();
            for (const auto& [name, value] : reply->rawHeaderPairs())
                r.headers[name.toLower().toStdString()] = value.toStdString();
            r.body = reply->readAll().toStdString();
        } else {
            r.fault = FaultOf(reply->error());
            r.faultText = r.fault == DavReply::Tls && !tlsText[i].empty() ? tlsText[i] : reply->errorString().toStdString();
        }
        reply->deleteLater();
    }
    return out;
}
