// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UsageReport.h"

#include "platform/Settings.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <QUuid>

namespace taxilo::UsageReport {

QString BuildUrl(const QString& server, const QString& guid, const QString& version, bool online)
{
    QString base = server.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    if (!base.contains(QStringLiteral("://")))
        base = QStringLiteral("http://") + base;
    return base + QStringLiteral("/taxilo.php?") + (online ? QStringLiteral("online=1") : QStringLiteral("program=1")) +
        QStringLiteral("&guid=") + guid + QStringLiteral("&ver=") + version.trimmed();
}

QString NewGuid()
{
    return QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
}

QString Send(bool online, const QString& version)
{
    Settings& settings = Settings::Instance();
    const QString server = settings.ReadString(kInstallKey, QStringLiteral("StatsServer")).value_or(QString()).trimmed();
    if (server.isEmpty())
        return {};
    QString guid = settings.ReadString(kInstallKey, QStringLiteral("GUID")).value_or(QString()).trimmed();
    if (guid.isEmpty()) {
        guid = NewGuid();
        settings.Write(kInstallKey, QStringLiteral("GUID"), guid); // a store that cannot be written changes nothing
    }
    const QString url = BuildUrl(server, guid, version, online);
    static QNetworkAccessManager* network = new QNetworkAccessManager;
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Mozilla/4.0 (compatible; ICS)"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    QNetworkReply* reply = network->get(request);
    // The answer and every error are ignored.
    QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    return url;
}

} // namespace taxilo::UsageReport
