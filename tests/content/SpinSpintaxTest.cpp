#include "FreshStateTest.h"
#include "TestFolder.h"
#include "TestRows.h"
#include "TestRunner.h"

#include "content/DBSpinnedArticle.h"
#include "content/SPNFinalParser.h"
#include "content/SPNSpintax.h"
#include "core/Logger.h"
#include "core/Random.h"

#include <QSet>
#include <QTest>

using Vexal::DBSpinnedArticle;
using Vexal::Logger;
using Vexal::Random;
using Vexal::SPNFinalParser;
using Vexal::SPNSpintax;

namespace {

// Every variant of a small valid source, by plain recursive descent.
QSet<QString> variants(const QString& s, int& i, bool nested)
{
    QSet<QString> result{QString()};
    auto append = [&result](const QSet<QString>& tails) {
        QSet<QString> next;
        for (const QString& head : qAsConst(result))
            for (const QString& tail : tails)
                next.insert(head + tail);
        result = next;
    };
    while (i < s.size()) {
        const QChar c = s.at(i);
        if (c == QLatin1Char('\\') && i + 1 < s.size() && QStringLiteral("{}|").contains(s.at(i + 1))) {
            append({QString(s.at(i + 1))});
            i += 2;
        } else if (c == QLatin1Char('{')) {
            ++i;
            QSet<QString> group;
            for (;;) {
                group.unite(variants(s, i, true));
                if (s.at(i++) == QLatin1Char('}'))
                    break;
            }
            append(group);
        } else if (nested && (c == QLatin1Char('|') || c == QLatin1Char('}'))) {
            return result;
        } else {
            append({QString(c)});
            ++i;
        }
    }
    return result;
}

QSet<QString> variants(const QString& source)
{
    int i = 0;
    return variants(source, i, false);
}

QString repeated(const QString& piece, int times)
{
    QString result;
    result.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i)
        result += piece;
    return result;
}

} // namespace

class SpinSpintaxTest : public FreshStateTest
{
    Q_OBJECT
private slots:
    void everyVariantIsValidAndReachable_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("plain") << QStringLiteral("no braces | at all");
        QTest::newRow("flat") << QStringLiteral("I {like|love|adore} {tea|coffee}.");
        QTest::newRow("nested") << QStringLiteral("{a|{b|c{d|e}}|f}!");
        QTest::newRow("empty alternatives") << QStringLiteral("x{a|}y{|b|}{}");
        QTest::newRow("escapes inside") << QStringLiteral("{\\{|\\}|a\\|b}");
        QTest::newRow("one alternative") << QStringLiteral("{only}{one{x|y}}");
        QTest::newRow("backslash kept") << QStringLiteral("C:\\dir\\ {a|b}\\");
        QTest::newRow("escapes alone") << QStringLiteral("\\{a\\|b\\}");
        QTest::newRow("other escapes") << QStringLiteral("\\n\\\\");
        QTest::newRow("empty") << QString();
        QTest::newRow("non-latin") << QStringLiteral(u"{\u00e9t\u00e9|\U0001F600}\u4e2d");
    }

    void everyVariantIsValidAndReachable()
    {
        QFETCH(QString, source);
        const QSet<QString> expected = variants(source);
        SPNSpintax spintax(source);
        QVERIFY2(spintax.isValid(), qPrintable(spintax.errorString()));
        Random random;
        QSet<QString> seen;
        for (int i = 0; i < 60 * expected.size(); ++i) {
            const QString variant = spintax.spin(random);
            QVERIFY2(expected.contains(variant), qPrintable(variant));
            seen.insert(variant);
        }
        QCOMPARE(seen, expected);
    }

    void unbalancedBraces_data()
    {
        addColumns<QString, int, int>("source", "error", "position");
        QTest::newRow("stray close") << QStringLiteral("a}b") << int(SPNSpintax::UnexpectedClose) << 1;
        QTest::newRow("close after group") << QStringLiteral("{a|b}}") << int(SPNSpintax::UnexpectedClose) << 5;
        QTest::newRow("escaped open") << QStringLiteral("\\{a}") << int(SPNSpintax::UnexpectedClose) << 3;
        QTest::newRow("never closed") << QStringLiteral("x{a|b") << int(SPNSpintax::UnclosedOpen) << 1;
        QTest::newRow("innermost open") << QStringLiteral("{a{b}{c|d") << int(SPNSpintax::UnclosedOpen) << 5;
        QTest::newRow("escaped close") << QStringLiteral("{a\\}") << int(SPNSpintax::UnclosedOpen) << 0;
        QTest::newRow("lone open") << QStringLiteral("{") << int(SPNSpintax::UnclosedOpen) << 0;
    }

    void unbalancedBraces()
    {
        QFETCH(QString, source);
        QFETCH(int, error);
        QFETCH(int, position);
        SPNSpintax spintax;
        QVERIFY(!spintax.parse(source));
        QCOMPARE(int(spintax.error()), error);
        QCOMPARE(spintax.errorPosition(), position);
        QVERIFY(spintax.errorString().contains(QString::number(position)));
        QCOMPARE(spintax.choiceCount(), 0);
        Random random;
        QCOMPARE(spintax.spin(random), source);

        // A new parse starts clean.
        QVERIFY(spintax.parse(QStringLiteral("{x}")));
        QCOMPARE(spintax.error(), SPNSpintax::NoError);
        QCOMPARE(spintax.errorPosition(), -1);
        QVERIFY(spintax.errorString().isEmpty());
        QCOMPARE(spintax.spin(random), QStringLiteral("x"));
    }

    void dialects()
    {
        // An unknown dialect is read as Classic.
        QCOMPARE(SPNSpintax::normalizedDialect(3), 8);
        Random random;
        for (int dialect : {2, 4, 8, 0}) {
            SPNSpintax spintax(QStringLiteral("{a|b}\\|"), dialect);
            QVERIFY(spintax.isValid());
            const QString variant = spintax.spin(random);
            QVERIFY(variant == QStringLiteral("a|") || variant == QStringLiteral("b|"));
        }
    }

    void deepNesting()
    {
        const int depth = 10000;
        Random random;
        const QString single = repeated(QStringLiteral("{"), depth) + QStringLiteral("x")
                               + repeated(QStringLiteral("}"), depth);
        SPNSpintax spintax(single);
        QVERIFY(spintax.isValid());
        QCOMPARE(spintax.choiceCount(), depth);
        QCOMPARE(spintax.spin(random), QStringLiteral("x"));

        // "{0|{1|{2|...}}}": each variant is one number, the innermost two are "9999" and "".
        QString chain;
        for (int i = 0; i < depth; ++i)
            chain += QLatin1Char('{') + QString::number(i) + QLatin1Char('|');
        chain += repeated(QStringLiteral("}"), depth);
        QVERIFY(spintax.parse(chain));
        for (int i = 0; i < 50; ++i) {
            const QString variant = spintax.spin(random);
            bool ok = variant.isEmpty();
            if (!ok)
                variant.toInt(&ok);
            QVERIFY2(ok, qPrintable(variant));
        }

        QVERIFY(!spintax.parse(repeated(QStringLiteral("{a|"), depth)));
        QCOMPARE(spintax.errorPosition(), 3 * (depth - 1));
        QVERIFY(!spintax.parse(single + QStringLiteral("}")));
        QCOMPARE(spintax.errorPosition(), 2 * depth + 1);
    }

    void largeInput()
    {
        // About 6 MB of text with some 300,000 groups.
        const QString piece = QStringLiteral("The {quick|fast|{very |}swift} brown {fox|dog} \\{jumps\\}. ");
        const int times = 50000;
        const QString source = repeated(piece, times);
        SPNSpintax spintax(source);
        QVERIFY(spintax.isValid());
        QCOMPARE(spintax.choiceCount(), 3 * times);
        Random random;
        const QString variant = spintax.spin(random);
        QCOMPARE(variant.count(QStringLiteral("{jumps}")), times);
        QVERIFY(!variant.contains(QLatin1Char('|')));
        const QSet<QString> allowed = variants(piece);
        QVERIFY(allowed.contains(variant.left(variant.indexOf(QStringLiteral("}. ")) + 3)));

        QVERIFY(!spintax.parse(source + QStringLiteral("{")));
        QCOMPARE(spintax.errorPosition(), source.size());
        QCOMPARE(spintax.spin(random).size(), source.size() + 1);
    }

    // Final texts: a stored final wins, else the source is spun.
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

    // All dialects spin one grammar, so what tells them apart is the code
    // each part is spun with: the part's own, never a neighbour's.
    void everyPartIsSpunInItsOwnDialect_data()
    {
        QTest::addColumn<QList<int>>("modes");      // title, intro, body
        QTest::addColumn<QStringList>("finals");    // title, intro, body
        QTest::addColumn<QList<int>>("dialects");   // spun in; 0: final text taken

        const QStringList none{QString(), QString(), QString()};
        QTest::newRow("2 4 8") << QList<int>{2, 4, 8} << none << QList<int>{2, 4, 8};
        QTest::newRow("8 2 4") << QList<int>{8, 2, 4} << none << QList<int>{8, 2, 4};
        QTest::newRow("4 8 2") << QList<int>{4, 8, 2} << none << QList<int>{4, 8, 2};
        QTest::newRow("unknown codes read as Classic") << QList<int>{77, 0, 4} << none << QList<int>{8, 8, 4};
        QTest::newRow("a final text is not spun")
            << QList<int>{4, 2, 4} << QStringList{QString(), QStringLiteral("Kept"), QString()}
            << QList<int>{4, 0, 4};
    }

    void everyPartIsSpunInItsOwnDialect()
    {
        QFETCH(QList<int>, modes);
        QFETCH(QStringList, finals);
        QFETCH(QList<int>, dialects);

        // As the submitters hand it over: a stored spun article.
        DBSpinnedArticle article;
        article.setTitle(QStringLiteral("{T}"));
        article.setTitleMode(modes.at(0));
        article.setTitleFinal(finals.at(0));
        article.setIntro(QStringLiteral("{I}"));
        article.setIntroMode(modes.at(1));
        article.setIntroFinal(finals.at(1));
        article.setBody(QStringLiteral("{B}"));
        article.setBodyMode(modes.at(2));
        article.setBodyFinal(finals.at(2));
        SPNFinalParser parser;
        parser.parse(&article);
        QCOMPARE((QList<int>{parser.titleDialect(), parser.introDialect(), parser.bodyDialect()}), dialects);
        QCOMPARE(parser.intro(), finals.at(1).isEmpty() ? QStringLiteral("I") : finals.at(1));

        // And part by part.
        SPNFinalParser parts;
        parts.parse(finals.at(0), QStringLiteral("{t}"), modes.at(0), finals.at(1), QStringLiteral("{i}"), modes.at(1),
                    finals.at(2), QStringLiteral("{b}"), modes.at(2));
        QCOMPARE((QList<int>{parts.titleDialect(), parts.introDialect(), parts.bodyDialect()}), dialects);
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

TESVAR_TEST(SpinSpintaxTest)
#include "SpinSpintaxTest.moc"
