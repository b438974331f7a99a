#include "sites/RankQuery.h"

#include "core/Logger.h"
#include "shell/NetworkAccessManager.h"
#include "texts/LocaleMessage.h"

#include <QNetworkReply>

namespace Vexal {

RankQuery::RankQuery(const QUrl& address, QObject* parent)
    : QObject(parent)
    , m_address(address)
{
}

RankQuery::~RankQuery()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void RankQuery::start()
{
    if (m_started)
        return;
    m_started = true;
    QNetworkReply* reply = send(NetworkAccessManager::instance());
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply]() { handleReply(reply); });
}

void RankQuery::handleReply(QNetworkReply* reply)
{
    reply->deleteLater();
    m_reply = nullptr;
    if (reply->error() != QNetworkReply::NoError) {
        Logger::warning(QString::fromLatin1(metaObject()->className()), QStringLiteral("Rank"),
                        reply->errorString());
        m_text = LocaleMessage::operationFailed();
    } else {
        m_rank = parse(reply->readAll());
        m_text = m_rank < 0 ? LocaleMessage::invalidData() : QString::number(m_rank);
    }
    m_finished = true;
    emit finished(m_text);
}

} // namespace Vexal
