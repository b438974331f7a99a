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

};

TESVAR_TEST(LocaleMessageTest)
#include "LocaleMessageTest.moc"
