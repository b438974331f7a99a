#include "sites/RankAlexa.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrlQuery>
#include <QXmlStreamReader>

namespace Vexal {

QUrl RankAlexa::defaultUrl()
{
    return QUrl(QStringLiteral("http://data.alexa.com/data"));
}

int RankAlexa::parseReply(const QByteArray& reply)
{
    QXmlStreamReader xml(reply);
    while (!xml.atEnd() && !xml.hasError()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("POPULARITY"))
            continue;
        bool ok = false;
        const int rank = xml.attributes().value(QLatin1String("TEXT")).toString().trimmed().toInt(&ok);
        return ok && rank > 0 ? rank : -1;
    }
    return -1;
}

QNetworkReply* RankAlexa::send(QNetworkAccessManager* manager)
{
    QUrl url = serviceUrl();
    QUrlQuery query(url);
    query.addQueryItem(QStringLiteral("cli"), QStringLiteral("10"));
    query.addQueryItem(QStringLiteral("dat"), QStringLiteral("s"));
    query.addQueryItem(QStringLiteral("url"), QString::fromLatin1(QUrl::toPercentEncoding(address().host())));
    url.setQuery(query);
    QNetworkRequest request(url);
    request.setTransferTimeout(requestTimeout);
    return manager->get(request);
}

} // namespace Vexal
