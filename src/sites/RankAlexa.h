#pragma once

#include "sites/RankQuery.h"

namespace Vexal {

// The traffic rank of an address's host from the Alexa data service: a GET
// with the host; the XML reply carries the rank in the TEXT attribute of its
// POPULARITY element.
class RankAlexa final : public RankServiceQuery<RankAlexa>
{
    Q_OBJECT
public:
    using RankServiceQuery::RankServiceQuery;

    static QUrl defaultUrl();
    static int parseReply(const QByteArray& reply);

protected:
    QNetworkReply* send(QNetworkAccessManager* manager) override;
};

} // namespace Vexal
