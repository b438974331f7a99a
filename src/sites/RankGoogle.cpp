#include "sites/RankGoogle.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QUrlQuery>

namespace Vexal {

QUrl RankGoogle::defaultUrl()
{
    // The lookup page has no fixed home; a deployment sets its address.
    return QUrl(QStringLiteral("http://pagerank.example/lookup"));
}

int RankGoogle::parseReply(const QByteArray& reply)
{
    QString text = QString::fromUtf8(reply);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    static const QRegularExpression entities(QStringLiteral("&#?\\w+;"));
    text.replace(tags, QStringLiteral(" "));
    text.replace(entities, QStringLiteral(" "));
    text = text.trimmed();

    QString digits;
    static const QRegularExpression bare(QStringLiteral("^\\d{1,2}$"));
    static const QRegularExpression labelled(QStringLiteral("page\\s*rank\\D{0,30}?(\\d{1,3})(?!\\d)"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (bare.match(text).hasMatch()) {
        digits = text;
    } else {
        const QRegularExpressionMatch match = labelled.match(text);
        if (!match.hasMatch())
            return -1;
        digits = match.captured(1);
    }
    const int rank = digits.toInt();
    return rank <= 10 ? rank : -1;
}

QNetworkReply* RankGoogle::send(QNetworkAccessManager* manager)
{
    QNetworkRequest request(serviceUrl());
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(requestTimeout);
    QUrlQuery form;
    form.addQueryItem(QStringLiteral("url"),
                      QString::fromLatin1(QUrl::toPercentEncoding(address().toString(QUrl::FullyEncoded))));
    return manager->post(request, form.query(QUrl::FullyEncoded).toUtf8());
}

} // namespace Vexal
