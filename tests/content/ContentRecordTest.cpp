#include "RecordCheck.h"
#include "TestData.h"
#include "TestDatabase.h"
#include "TestRunner.h"

#include "content/DBArticle.h"
#include "content/DBArticleLightList.h"
#include "content/DBArticleList.h"
#include "content/DBSpinnedArticle.h"
#include "content/DBSpinnedArticleLightList.h"
#include "content/DBSpinnedArticleList.h"
#include "content/DBSynonym.h"
#include "content/DBSynonymList.h"
#include "content/DBWord.h"
#include "content/DBWordList.h"

#include <QTest>

using namespace Vexal;

namespace {

int saveArticle(int projectId, const QString& name)
{
    return addRow(QStringLiteral("Article"),
                  {{"ProjectID", projectId}, {"Name", name}, {"Title", QString(name + QStringLiteral(" title"))}});
}

bool saveSpun(int projectId, int articleId, const QString& name)
{
    return addRow(QStringLiteral("SpunArticle"), {{"ProjectID", projectId}, {"ArticleID", articleId}, {"Name", name}})
        > 0;
}

} // namespace

class ContentRecordTest : public QObject
{
    Q_OBJECT
private slots:
    void limits();
    void lightRecordsTouchOnlyTheirColumns();
    void projectAndArticleLists();
    void wordAndSynonymLookupsAreBound();
};

void ContentRecordTest::limits()
{
    RecordCheck::textLimit(&DBArticle::setTitle, &DBArticle::title, 1024);
    RecordCheck::textLimit(&DBArticle::setTags, &DBArticle::tags, 1024);
    RecordCheck::textLimit(&DBArticle::setAuthor, &DBArticle::author, 1024);
    RecordCheck::textLimit(&DBArticle::setIntro, &DBArticle::intro, 1024);
    RecordCheck::textLimit(&DBArticle::setBody, &DBArticle::body, 16384);
    RecordCheck::textLimit(&DBSpinnedArticle::setTitleFinal, &DBSpinnedArticle::titleFinal, 1024);
    RecordCheck::textLimit(&DBSpinnedArticle::setIntroFinal, &DBSpinnedArticle::introFinal, 1024);
    RecordCheck::textLimit(&DBSpinnedArticle::setBody, &DBSpinnedArticle::body, 16384);
    RecordCheck::textLimit(&DBSpinnedArticle::setBodyFinal, &DBSpinnedArticle::bodyFinal, 16384);
}

void ContentRecordTest::lightRecordsTouchOnlyTheirColumns()
{
    TestDatabase db;

    const int id = saveArticle(4, QStringLiteral("Full"));
    QVERIFY(id > 0 && saveArticle(5, QStringLiteral("Other")) > 0);

    DBArticleLightList list(4);
    QVERIFY2(list.load(), qPrintable(list.errorText()));
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.at(0)->name(), QStringLiteral("Full"));
    list.at(0)->setName(QStringLiteral("Renamed"));
    QVERIFY2(list.saveAll(), qPrintable(list.errorText()));

    DBArticle full;
    QVERIFY(full.load(id));
    QCOMPARE(full.name(), QStringLiteral("Renamed"));
    QCOMPARE(full.title(), QStringLiteral("Full title"));
}

void ContentRecordTest::projectAndArticleLists()
{
    TestDatabase db;

    const int first = saveArticle(1, QStringLiteral("one"));
    const int second = saveArticle(1, QStringLiteral("two"));
    QVERIFY(first > 0 && second > 0 && saveArticle(2, QStringLiteral("three")) > 0);
    QVERIFY(saveSpun(1, first, QStringLiteral("1a")));
    QVERIFY(saveSpun(1, first, QStringLiteral("1b")));
    QVERIFY(saveSpun(1, second, QStringLiteral("2a")));
    QVERIFY(saveSpun(2, first, QStringLiteral("other project")));

    DBArticleList articles(1);
    QVERIFY(articles.load());
    QCOMPARE(articles.count(), 2);
    QCOMPARE(articles.findById(second)->name(), QStringLiteral("two"));

    DBSpinnedArticleList ofProject(1);
    QVERIFY(ofProject.load());
    QCOMPARE(ofProject.count(), 3);
    DBSpinnedArticleList ofArticle(1, first);
    QVERIFY2(ofArticle.load(), qPrintable(ofArticle.errorText()));
    QCOMPARE(ofArticle.count(), 2);
    DBSpinnedArticleLightList lightOfArticle(1, second);
    QVERIFY(lightOfArticle.load());
    QCOMPARE(lightOfArticle.count(), 1);
    QCOMPARE(lightOfArticle.at(0)->name(), QStringLiteral("2a"));

    DBSpinnedArticleList none(1, 999);
    QVERIFY(none.load());
    DBSpinnedArticle* created = none.firstOrCreate();
    QCOMPARE(created->projectId(), 1);
    QCOMPARE(created->articleId(), 999);
    QCOMPARE(created->id(), -1);
    DBArticleLightList noArticles(7);
    QVERIFY(noArticles.load());
    QCOMPARE(noArticles.firstOrCreate()->projectId(), 7);
}

void ContentRecordTest::wordAndSynonymLookupsAreBound()
{
    TestDatabase db;

    const QStringList names = {QStringLiteral("it's"), QStringLiteral("50%"), QStringLiteral("a_b"),
                               QStringLiteral("x' OR '1'='1"), QStringLiteral("Word"), QStringLiteral("word")};
    for (const QString& name : names) {
        DBWord word;
        word.setLanguageId(1);
        word.setName(name);
        QVERIFY(word.save());
        DBSynonym synonym;
        synonym.setWordId(word.id());
        synonym.setName(name);
        QVERIFY(synonym.save());
    }
    DBWord otherLanguage;
    otherLanguage.setLanguageId(2);
    otherLanguage.setName(QStringLiteral("Word"));
    QVERIFY(otherLanguage.save());

    for (const QString& name : names) {
        DBWordList words(1, name);
        QVERIFY2(words.load(), qPrintable(words.errorText()));
        QCOMPARE(words.count(), 1);
        QCOMPARE(words.at(0)->name(), name);
        DBSynonymList synonyms(words.at(0)->id(), name);
        QVERIFY2(synonyms.load(), qPrintable(synonyms.errorText()));
        QCOMPARE(synonyms.count(), 1);
        QCOMPARE(synonyms.at(0)->wordId(), words.at(0)->id());
    }
    for (const QString& pattern : {QStringLiteral("%"), QStringLiteral("a%"), QStringLiteral("' OR 1=1 --")}) {
        DBWordList words(1, pattern);
        QVERIFY(words.load());
        QCOMPARE(words.count(), 0);
        DBWord* created = words.firstOrCreate();
        QCOMPARE(created->name(), pattern);
        QCOMPARE(created->languageId(), 1);
    }

    DBWordList ofLanguage(1);
    QVERIFY(ofLanguage.load());
    QCOMPARE(ofLanguage.count(), names.size());
    DBWordList all;
    QVERIFY(all.load());
    QCOMPARE(all.count(), names.size() + 1);
    DBSynonymList ofWord(ofLanguage.at(0)->id());
    QVERIFY(ofWord.load());
    QCOMPARE(ofWord.count(), 1);
}

TESVAR_TEST(ContentRecordTest)
#include "ContentRecordTest.moc"
