#include "TestRows.h"
#include "TestRunner.h"

#include "LoopbackServer.h"
#include "TestFolder.h"
#include "core/Logger.h"
#include "sites/DlgRank.h"
#include "sites/RankAlexa.h"
#include "sites/RankGoogle.h"
#include "texts/LocaleDialog.h"
#include "texts/LocaleMessage.h"

#include <QSignalSpy>
#include <QUrlQuery>
#include <QtTest>

using namespace Vexal;

namespace {

QString answer(RankQuery& query)
{
    QSignalSpy finished(&query, &RankQuery::finished);
    query.start();
    if (finished.isEmpty() && !finished.wait(10000))
        return QStringLiteral("<no answer>");
    return finished.at(0).at(0).toString();
}

bool wait(RankQuery* query)
{
    if (query->isFinished())
        return true;
    QSignalSpy finished(query, &RankQuery::finished);
    return finished.wait(10000);
}

} // namespace

class RankTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_server;
    // Log lines of the jobs go to a log file of their own.
    std::unique_ptr<TestFolder> m_folder;

private slots:
    void initTestCase()
    {
        m_folder.reset(new TestFolder);
        QVERIFY(m_server.start());
        RankGoogle::setServiceUrl(m_server.url(QStringLiteral("/pr")));
        RankAlexa::setServiceUrl(m_server.url(QStringLiteral("/alexa")));
    }

    void cleanupTestCase()
    {
        RankGoogle::setServiceUrl(QUrl());
        RankAlexa::setServiceUrl(QUrl());
        Logger::resetForTests();
        m_folder.reset();
    }

    void replies_data()
    {
        addColumns<bool, QByteArray, int>("google", "reply", "rank");
        QTest::newRow("bare") << true << QByteArray(" 5\n") << 5;
        QTest::newRow("page") << true << QByteArray("<html><p><b>PageRank:</b>&nbsp;7 / 10</p></html>") << 7;
        QTest::newRow("entity digits") << true << QByteArray("Page Rank&#160;0") << 0;
        QTest::newRow("out of range") << true << QByteArray("PageRank: 11") << -1;
        QTest::newRow("no label") << true << QByteArray("<html>Rank 4</html>") << -1;
        QTest::newRow("no number") << true << QByteArray("PageRank: n/a") << -1;
        QTest::newRow("empty") << true << QByteArray() << -1;
        QTest::newRow("alexa rank") << false
                                    << QByteArray("<?xml version=\"1.0\"?><ALEXA><SD><POPULARITY URL=\"site.test/\" "
                                                  "TEXT=\"1234\"/></SD></ALEXA>")
                                    << 1234;
        QTest::newRow("alexa without rank") << false << QByteArray("<ALEXA><SD/></ALEXA>") << -1;
        QTest::newRow("alexa not a number") << false << QByteArray("<ALEXA><POPULARITY TEXT=\"high\"/></ALEXA>") << -1;
        QTest::newRow("alexa broken") << false << QByteArray("<ALEXA><SD><POPUL") << -1;
        QTest::newRow("alexa text") << false << QByteArray("1234") << -1;
    }

    void replies()
    {
        QFETCH(bool, google);
        QFETCH(QByteArray, reply);
        QFETCH(int, rank);
        QCOMPARE(google ? RankGoogle::parseReply(reply) : RankAlexa::parseReply(reply), rank);
    }

    void queriesAskTheServices()
    {
        m_server.clearRequests();
        m_server.setPage(QStringLiteral("/pr"), "text/html", "<b>PageRank</b>: 4");
        m_server.setPage(QStringLiteral("/alexa"), "text/xml", "<ALEXA><SD><POPULARITY TEXT=\"987\"/></SD></ALEXA>");
        const QUrl address(QStringLiteral("http://www.site.test/a%20b?x=1&y=2"));

        RankGoogle google(address);
        QCOMPARE(answer(google), QStringLiteral("4"));
        QCOMPARE(google.rank(), 4);
        QVERIFY(google.isFinished());
        const auto posts = m_server.requestsFor(QStringLiteral("/pr"));
        QCOMPARE(posts.count(), 1);
        QCOMPARE(posts.at(0).method, QByteArray("POST"));
        const QUrlQuery form(QString::fromUtf8(posts.at(0).body));
        QCOMPARE(form.queryItemValue(QStringLiteral("url"), QUrl::FullyDecoded),
                 address.toString(QUrl::FullyEncoded));

        RankAlexa alexa(address);
        QCOMPARE(answer(alexa), QStringLiteral("987"));
        const auto gets = m_server.requestsFor(QStringLiteral("/alexa"));
        QCOMPARE(gets.count(), 1);
        QCOMPARE(gets.at(0).method, QByteArray("GET"));
        const QUrlQuery query(QUrl(QString::fromUtf8(gets.at(0).target)).query());
        QCOMPARE(query.queryItemValue(QStringLiteral("url")), QStringLiteral("www.site.test"));
    }

    void failedQueriesAnswerNoNumber()
    {
        m_server.setPage(QStringLiteral("/pr"), "text/html", "<html>Service busy</html>");
        m_server.removePage(QStringLiteral("/alexa"));
        const QUrl address(QStringLiteral("http://site.test/"));

        RankGoogle google(address);
        QCOMPARE(answer(google), LocaleMessage::invalidData());
        QCOMPARE(google.rank(), -1);

        RankAlexa alexa(address);
        QCOMPARE(answer(alexa), LocaleMessage::operationFailed());
        QCOMPARE(alexa.rank(), -1);
    }

    void queryEndedWhileWaitingCancelsItsRequest()
    {
        m_server.setPage(QStringLiteral("/pr"), "text/html", "PageRank 3");
        m_server.hold(QStringLiteral("/pr"));
        auto* query = new RankGoogle(QUrl(QStringLiteral("http://site.test/")));
        query->start();
        QTRY_COMPARE(m_server.heldCount(), 1);
        delete query;
        m_server.release();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The dialog shows each answer as it comes.
    void dialogShowsTheAnswers()
    {
        m_server.setPage(QStringLiteral("/alexa"), "text/xml",
                         "<ALEXA><SD><POPULARITY URL=\"site.test/\" TEXT=\"1234\"/></SD></ALEXA>");
        m_server.setPage(QStringLiteral("/pr"), "text/html", "PageRank: 6");
        m_server.hold(QStringLiteral("/pr"));

        QObject owner;
        const QUrl address(QStringLiteral("http://site.test/page"));
        auto* google = new RankGoogle(address, &owner);
        auto* alexa = new RankAlexa(address, &owner);
        DlgRank dialog(google, alexa);
        dialog.build(nullptr);
        QVERIFY(google->isStarted() && alexa->isStarted());
        QCOMPARE(dialog.googleText(), LocaleDialog::loading());

        QVERIFY(wait(alexa));
        QCOMPARE(dialog.alexaText(), QStringLiteral("1234"));
        QCOMPARE(dialog.googleText(), LocaleDialog::loading());
        QTRY_COMPARE(m_server.heldCount(), 1);
        m_server.release();
        QVERIFY(wait(google));
        QCOMPARE(dialog.googleText(), QStringLiteral("6"));

        // A failed look-up shows a text that is no number; an answer that came
        // before the dialog was built is shown at once.
        m_server.removePage(QStringLiteral("/pr"));
        auto* failing = new RankGoogle(address, &owner);
        auto* early = new RankAlexa(address, &owner);
        early->start();
        QVERIFY(wait(early));
        DlgRank second(failing, early);
        second.build(nullptr);
        QCOMPARE(second.alexaText(), QStringLiteral("1234"));
        QVERIFY(wait(failing));
        QCOMPARE(second.googleText(), LocaleMessage::operationFailed());
    }
};

TESVAR_TEST(RankTest)
#include "RankTest.moc"
