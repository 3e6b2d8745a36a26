// SPDX-License-Identifier: GPL-3.0-or-later
#include "dav/KeychainSecrets.h"
#include "platform/Translate.h"
#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace {

const QString kService = QStringLiteral("Kinfold");

// Runs the job to its end; its result.
ISecretStore::Result Run(QKeychain::Job& job, std::string& error)
{
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.setAutoDelete(false);
    // A store that is not there must not be stood in for by a plain file.
    job.setInsecureFallback(false);
    job.start();
    loop.exec();
    switch (job.error()) {
    case QKeychain::NoError: return ISecretStore::Ok;
    case QKeychain::EntryNotFound: return ISecretStore::NotFound;
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        error = TextTranslation::translate("DavClient", "no secret service runs on this desktop");
        return ISecretStore::NoService;
    default:
        error = job.errorString().toStdString();
        // Without a session bus the library can only say that it failed.
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
            error = TextTranslation::translate("DavClient", "no secret service runs on this desktop");
            return ISecretStore::NoService;
        }
        return ISecretStore::Failed;
    }
}

} // namespace

ISecretStore::Result KeychainSecrets::Read(const std::string& key, std::string& password, std::string& error)
{
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(QString::fromStdString(key));
    Result r = Run(job, error);
    if (r == Ok) password = job.textData().toStdString();
    return r;
}

ISecretStore::Result KeychainSecrets::Write(const std::string& key, const std::string& password, std::string& error)
{
    QKeychain::WritePasswordJob job(kService);
    job.setKey(QString::fromStdString(key));
    job.setTextData(QString::fromStdString(password));
    return Run(job, error);
}

ISecretStore::Result KeychainSecrets::Remove(const std::string& key, std::string& error)
{
    QKeychain::DeletePasswordJob job(kService);
    job.setKey(QString::fromStdString(key));
    return Run(job, error);
}

namespace {
ISecretStore* g_secrets = nullptr;
} // namespace

ISecretStore& AppSecrets()
{
    static KeychainSecrets desktop;
    return g_secrets ? *g_secrets : desktop;
}

void SetAppSecrets(ISecretStore* secrets) { g_secrets = secrets; }
