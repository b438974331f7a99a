#include "TestFolder.h"
#include "TestRunner.h"

#include "content/DBSpinnedArticle.h"
#include "content/SPNFinalParser.h"
#include "core/Logger.h"

#include <QTest>

using Vexal::DBSpinnedArticle;
using Vexal::Logger;
using Vexal::SPNFinalParser;

class SpinFinalParserTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { Logger::resetForTests(); }
    void cleanup() { Logger::resetForTests(); }

    void finalTextWinsElseSourceIsSpun()
    {
        SPNFinalParser parser;
        parser.parse(QStringLiteral("T"), QStringLiteral("{x|y}"), 2,
                     QString(), QStringLiteral("{Only}"), 4,
                     QString(), QStringLiteral("{a|b} \\{c\\}"), 8);
        QCOMPARE(parser.title(), QStringLiteral("T"));
        QCOMPARE(parser.intro(), QStringLiteral("Only"));
        QVERIFY(parser.body() == QStringLiteral("a {c}") || parser.body() == QStringLiteral("b {c}"));
        QVERIFY(parser.errorString().isEmpty());

        // A final text of blanks is not empty; an unknown dialect spins like Classic.
        parser.parse(QString(), QString(), 2, QStringLiteral(" "), QStringLiteral("{i}"), 4,
                     QString(), QStringLiteral("{z}"), 77);
        QCOMPARE(parser.title(), QString());
        QCOMPARE(parser.intro(), QStringLiteral(" "));
        QCOMPARE(parser.body(), QStringLiteral("z"));
        QCOMPARE(parser.finalText(QString(), QStringLiteral("{k}"), 2), QStringLiteral("k"));
        QCOMPARE(parser.finalText(QStringLiteral("f"), QStringLiteral("{k"), 2), QStringLiteral("f"));
    }

    void spunArticleRecord()
    {
        DBSpinnedArticle article;
        article.setTitle(QStringLiteral("{Title}"));
        article.setTitleFinal(QStringLiteral("Kept title"));
        article.setIntro(QStringLiteral("{In|Out}tro"));
        article.setIntroMode(4);
        article.setBody(QStringLiteral("{Body}"));
        article.setBodyMode(8);
        SPNFinalParser parser;
        parser.parse(&article);
        QCOMPARE(parser.title(), QStringLiteral("Kept title"));
        QVERIFY(parser.intro() == QStringLiteral("Intro") || parser.intro() == QStringLiteral("Outtro"));
        QCOMPARE(parser.body(), QStringLiteral("Body"));

        parser.parse(static_cast<DBSpinnedArticle*>(nullptr));
        QVERIFY(parser.title().isEmpty() && parser.intro().isEmpty() && parser.body().isEmpty());
    }

    void unbalancedSourceIsKeptAndReported()
    {
        TestFolder folder;
        SPNFinalParser parser;
        parser.parse(QString(), QStringLiteral("{ok}"), 8,
                     QString(), QStringLiteral("an {open"), 8,
                     QString(), QStringLiteral("a close}"), 2);
        QCOMPARE(parser.title(), QStringLiteral("ok"));
        QCOMPARE(parser.intro(), QStringLiteral("an {open"));
        QCOMPARE(parser.body(), QStringLiteral("a close}"));
        const QStringList errors = parser.errorString().split(QLatin1Char('\n'));
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors.at(0).startsWith(QStringLiteral("Intro: ")) && errors.at(0).contains(QLatin1Char('3')));
        QVERIFY(errors.at(1).startsWith(QStringLiteral("Body: ")) && errors.at(1).contains(QLatin1Char('7')));
        QCOMPARE(Logger::warnings().size(), 2);

        // The next parse starts without errors.
        parser.parse(QString(), QString(), 8, QString(), QString(), 8, QString(), QString(), 8);
        QVERIFY(parser.errorString().isEmpty());
    }
};

TESVAR_TEST(SpinFinalParserTest)
#include "SpinFinalParserTest.moc"
