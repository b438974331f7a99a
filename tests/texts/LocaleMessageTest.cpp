#include "TestRunner.h"

#include "texts/LocaleMessage.h"
#include "texts/LocaleSql.h"
#include "texts/LocaleThread.h"

#include <QTest>

using namespace Vexal;

class LocaleMessageTest : public QObject
{
    Q_OBJECT
private slots:
    void plainTextsKeepTheirWording()
    {
        QCOMPARE(LocaleMessage::activeProjectLoadFailed(),
                 QStringLiteral("Failed to load and active project. See log.txt for more details."));
        QCOMPARE(LocaleMessage::confirmManyTabs(),
                 QStringLiteral("The application may hover on a large number of tabs. Should I continue?"));
        QCOMPARE(LocaleMessage::newNotifications(),
                 QStringLiteral("You have new notifications. See \"Tools - Notification Console\" menu."));
        QCOMPARE(LocaleMessage::toolboxHint(),
                 QStringLiteral("Type some text and press \"Enter\" button to refresh toolbox."));
        QCOMPARE(LocaleMessage::zoomLimitReached(), QStringLiteral("Forget it. I won't zoom more"));
        QCOMPARE(LocaleMessage::resultSetEmpty(), QStringLiteral("The result set is empty."));
        QCOMPARE(LocaleMessage::fieldNotFound(QStringLiteral("Name")), QStringLiteral("Can't find \"Name\" field"));
    }

    void selectorTextsCountFromOne()
    {
        QCOMPARE(LocaleMessage::invalidCharacter(QStringLiteral("a b"), 0),
                 QStringLiteral("Invalid character at pos. 1. Selector: a b"));
        QCOMPARE(LocaleMessage::invalidTagName(QStringLiteral("1div"), 1),
                 QStringLiteral("Invalid tag name at pos. 2. Selector: 1div"));
        QCOMPARE(LocaleMessage::invalidOperator(QStringLiteral("a[x~y]"), 3),
                 QStringLiteral("Invalid operator at pos. 4. Selector: a[x~y]"));
        QCOMPARE(LocaleMessage::invalidAttributeValue(QStringLiteral("a[x=%1]"), 4),
                 QStringLiteral("Invalid attribute value at pos. 5. Selector: a[x=%1]"));
        // The one argument fills the literal's only marker, %2.
        QCOMPARE(LocaleMessage::incompleteSelector(QStringLiteral("div[")),
                 QStringLiteral("Incomplete selector. Selector: div["));
    }

    void sqlQueryFailedPutsTheErrorFirst()
    {
        QCOMPARE(LocaleMessage::sqlQueryFailed(QStringLiteral("SELECT 1;"), QString()),
                 QStringLiteral("SQL Query failed. Error: \"\". Query: \"SELECT 1;\""));
        QCOMPARE(LocaleSql::sqlQueryFailed(QStringLiteral("Q"), QStringLiteral("E")),
                 QStringLiteral("SQL Query failed. Error: \"E\". Query: \"Q\""));
        // A marker in the driver's error text does not capture the query.
        QCOMPARE(LocaleMessage::sqlQueryFailed(QStringLiteral("SELECT '%2'"), QStringLiteral("near \"%1\"")),
                 QStringLiteral("SQL Query failed. Error: \"near \"%1\"\". Query: \"SELECT '%2'\""));
    }

    void multiArgumentTexts()
    {
        QCOMPARE(LocaleMessage::cannotOverrideItem(QStringLiteral("a.xml"), 3, -1),
                 QStringLiteral("Can't override an existing item. File: a.xml, node no. 3, ID: -1"));
        QCOMPARE(LocaleThread::foreignSessionItem(QStringLiteral("%1.xml"), 0, 7),
                 QStringLiteral("Can't import an item from another session. File: %1.xml, node no. 0, ID: 7"));
        QCOMPARE(LocaleMessage::saveItemFailed(QStringLiteral("f"), 2, 5, QStringLiteral("e %1")),
                 QStringLiteral("Failed to save an item. File: f, node no. 2., ID: 5, error: e %1"));
        QCOMPARE(LocaleMessage::parseFileFailed(QStringLiteral("f"), QStringLiteral("bad"), 4, 12),
                 QStringLiteral("Failed to parse a file. File: f, error: bad, line: 4, column: 12."));
        QCOMPARE(LocaleMessage::parseNodeFailed(QStringLiteral("f"), 9),
                 QStringLiteral("Failed to parse the xml node. File: f, node no. 9."));
        QCOMPARE(LocaleMessage::openFileFailed(QStringLiteral("%2"), QStringLiteral("%1")),
                 QStringLiteral("Failed to open a file. File: %2, error: %1."));
    }

    void unicodeArgumentsAreKept()
    {
        const QString name = QStringLiteral("\u0160kola \u4e2d\u6587 \U0001F600");
        QCOMPARE(LocaleMessage::invalidObjectState(name), QStringLiteral("Invalid object state. Object: ") + name);
        QCOMPARE(LocaleSql::databaseFile(name), QStringLiteral("Database File: ") + name);
        QCOMPARE(LocaleMessage::invalidXmlStructure(name), QStringLiteral("Invalid xml structure. File: ") + name + QLatin1Char('.'));
    }

    void sqlDisplayNames()
    {
        QCOMPARE(LocaleSql::tableUriShortcuts(), QStringLiteral("UriShortcuts"));
        QCOMPARE(LocaleSql::tableMasterAccounts(), QStringLiteral("MasterAccounts"));
        QCOMPARE(LocaleSql::colPassword2(), LocaleSql::colPassword());
        QCOMPARE(LocaleSql::colCategoryName(), QStringLiteral("Category"));
        QCOMPARE(LocaleSql::colLoginWithEmail(), QStringLiteral("Login with Email"));
        QCOMPARE(LocaleSql::colQuestionNo(QString()), QStringLiteral("Question No "));
        QCOMPARE(LocaleSql::closeItem(QString()), QStringLiteral("Close \"\""));
        QCOMPARE(LocaleSql::closeItem(QStringLiteral("Tab")), QStringLiteral("Close \"Tab\""));
        QCOMPARE(LocaleSql::tabCount(QStringLiteral("x"), -3), QStringLiteral("x - -3 Tab(s)"));
        QCOMPARE(LocaleSql::tabCount(QStringLiteral("a%1"), 2), QStringLiteral("a%1 - 2 Tab(s)"));
        QCOMPARE(LocaleSql::projectIdEmpty(QStringLiteral("DBArticle")),
                 QStringLiteral("Project ID is empty. Object: DBArticle"));
    }
};

TESVAR_TEST(LocaleMessageTest)
#include "LocaleMessageTest.moc"
