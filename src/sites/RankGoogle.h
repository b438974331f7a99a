#pragma once

#include "sites/RankQuery.h"

namespace Vexal {

// The page rank (0 to 10) of an address from an outside PageRank lookup page:
// a form POST of the address; the reply page shows the rank after the word
// "PageRank", or is the bare number.
class RankGoogle final : public RankServiceQuery<RankGoogle>
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
