#include "TestRunner.h"

#include "texts/LocaleAccount.h"
#include "texts/LocaleArticle.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleBaseWidget.h"
#include "texts/LocaleBrowser.h"
#include "texts/LocaleConsole.h"
#include "texts/LocaleCore.h"
#include "texts/LocaleDatabase.h"
#include "texts/LocaleDelegate.h"
#include "texts/LocaleDialog.h"
#include "texts/LocaleDirectory.h"
#include "texts/LocaleExtension.h"
#include "texts/LocaleFilter.h"
#include "texts/LocaleFind.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMenu.h"
#include "texts/LocaleMessage.h"
#include "texts/LocaleOptions.h"
#include "texts/LocaleProject.h"
#include "texts/LocaleRank.h"
#include "texts/LocaleSocialBookmark.h"
#include "texts/LocaleSql.h"
#include "texts/LocaleThread.h"
#include "texts/LocaleUrlShortcut.h"
#include "texts/LocaleWebTab.h"
#include "texts/LocaleWebsite.h"
#include "texts/LocaleWidgets.h"
#include "core/DBSql.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>

#include <type_traits>
#include <utility>

using namespace Vexal;

namespace {

// Distinct sample arguments per position, so that a forward that swaps its
// arguments gives a different text than its target.
template <typename T>
T sample(int index);
template <>
QString sample<QString>(int index)
{
    return QStringLiteral("s%1-\u00e9%2").arg(index).arg(QStringLiteral("%1"));
}
template <>
int sample<int>(int index)
{
    return 10 + index;
}
// IDs lie beyond an int, so that a text that cuts one is noticed.
template <>
qint64 sample<qint64>(int index)
{
    return 5000000000LL + index;
}

// Lists of files: two names each.
template <>
QStringList sample<QStringList>(int index)
{
    return {QStringLiteral("l%1-\u00e9a%2").arg(index).arg(QStringLiteral("%1")),
            QStringLiteral("l%1-\u00e9b").arg(index)};
}

template <typename... Ts, std::size_t... I>
QString callWith(QString (*getter)(Ts...), std::index_sequence<I...>)
{
    return getter(sample<std::decay_t<Ts>>(int(I))...);
}

template <typename... Ts>
QString callWith(QString (*getter)(Ts...))
{
    return callWith(getter, std::index_sequence_for<Ts...>{});
}

// What each argument of a getter shows in its text.
template <typename T>
QString shown(int index);
template <>
QString shown<QString>(int index)
{
    return QStringLiteral("s%1-\u00e9").arg(index);
}
template <>
QString shown<int>(int)
{
    return QString(); // numbers may be shown counted from one
}
template <>
QString shown<qint64>(int index)
{
    return QString::number(sample<qint64>(index));
}

template <>
QString shown<QStringList>(int index)
{
    return QStringLiteral("l%1-\u00e9a").arg(index);
}

template <typename... Ts, std::size_t... I>
QStringList argumentsOf(QString (*)(Ts...), std::index_sequence<I...>)
{
    return {shown<std::decay_t<Ts>>(int(I))...};
}

template <typename... Ts>
QStringList argumentsOf(QString (*getter)(Ts...))
{
    return argumentsOf(getter, std::index_sequence_for<Ts...>{});
}

struct Entry
{
    QString name;
    QString text;
    QStringList arguments; // what the getter's arguments show, each of which the text must hold
};

#define ENTRY_TEXT(Getter, Literal) entries.append({prefix + QStringLiteral(#Getter), Cls::Getter(), {}});
#define ENTRY_TEXT_ARG(Getter, Param, Literal) \
    entries.append({prefix + QStringLiteral(#Getter), callWith(&Cls::Getter), argumentsOf(&Cls::Getter)});
#define ENTRY_FORWARD(Getter, Target, Member) \
    entries.append({prefix + QStringLiteral(#Getter), Cls::Getter(), {}});
#define ENTRY_FORWARD_ARGS(Getter, Target, Member, Params, Args) \
    entries.append({prefix + QStringLiteral(#Getter), callWith(&Cls::Getter), argumentsOf(&Cls::Getter)});

// The numbers of the place markers of a text ("%1", "%2"...).
QList<int> markers(const QString& text)
{
    QList<int> found;
    static const QRegularExpression marker(QStringLiteral("%(\\d+)"));
    for (auto it = marker.globalMatch(text); it.hasNext();) {
        const int n = it.next().captured(1).toInt();
        if (!found.contains(n))
            found.append(n);
    }
    std::sort(found.begin(), found.end());
    return found;
}
#define COLLECT_AS(Class, TABLE, ALIAS)                                           \
    {                                                                             \
        ALIAS;                                                                    \
        const QString prefix = QStringLiteral(#Class "::");                       \
        TABLE(ENTRY_TEXT, ENTRY_TEXT_ARG, ENTRY_FORWARD, ENTRY_FORWARD_ARGS)      \
    }
// Most catalogues are namespaces; the menu catalogue is a class.
#define COLLECT(Class, TABLE) COLLECT_AS(Class, TABLE, namespace Cls = Class)
#define COLLECT_CLASS(Class, TABLE) COLLECT_AS(Class, TABLE, using Cls = Class)

QList<Entry> allEntries()
{
    QList<Entry> entries;
    COLLECT(LocaleMessage, TESVAR_LOCALE_MESSAGE_TABLE)
    COLLECT(LocaleSql, TESVAR_LOCALE_SQL_TABLE)
    COLLECT_CLASS(LocaleMenu, TESVAR_LOCALE_MENU_TABLE)
    COLLECT(LocaleInstance, TESVAR_LOCALE_INSTANCE_TABLE)
    COLLECT(LocaleDialog, TESVAR_LOCALE_DIALOG_TABLE)
    COLLECT(LocaleBase, TESVAR_LOCALE_BASE_TABLE)
    COLLECT(LocaleBaseWidget, TESVAR_LOCALE_BASE_WIDGET_TABLE)
    COLLECT(LocaleAccount, TESVAR_LOCALE_ACCOUNT_TABLE)
    COLLECT(LocaleRank, TESVAR_LOCALE_RANK_TABLE)
    COLLECT(LocaleWebsite, TESVAR_LOCALE_WEBSITE_TABLE)
    COLLECT(LocaleDirectory, TESVAR_LOCALE_DIRECTORY_TABLE)
    COLLECT(LocaleUrlShortcut, TESVAR_LOCALE_URL_SHORTCUT_TABLE)
    COLLECT(LocaleSocialBookmark, TESVAR_LOCALE_SOCIAL_BOOKMARK_TABLE)
    COLLECT(LocaleProject, TESVAR_LOCALE_PROJECT_TABLE)
    COLLECT(LocaleArticle, TESVAR_LOCALE_ARTICLE_TABLE)
    COLLECT(LocaleBrowser, TESVAR_LOCALE_BROWSER_TABLE)
    COLLECT(LocaleConsole, TESVAR_LOCALE_CONSOLE_TABLE)
    COLLECT(LocaleDatabase, TESVAR_LOCALE_DATABASE_TABLE)
    COLLECT(LocaleDelegate, TESVAR_LOCALE_DELEGATE_TABLE)
    COLLECT(LocaleFilter, TESVAR_LOCALE_FILTER_TABLE)
    COLLECT(LocaleFind, TESVAR_LOCALE_FIND_TABLE)
    COLLECT(LocaleOptions, TESVAR_LOCALE_OPTIONS_TABLE)
    COLLECT(LocaleExtension, TESVAR_LOCALE_EXTENSION_TABLE)
    COLLECT(LocaleWebTab, TESVAR_LOCALE_WEB_TAB_TABLE)
    COLLECT(LocaleWidgets, TESVAR_LOCALE_WIDGETS_TABLE)
    COLLECT(LocaleCore, TESVAR_LOCALE_CORE_TABLE)
    COLLECT(LocaleThread, TESVAR_LOCALE_THREAD_TABLE)
    return entries;
}

} // namespace

class LocaleCatalogueTest : public QObject
{
    Q_OBJECT
private slots:
    // A text that loses an argument, or whose markers skip a number (so
    // that arg() fills the wrong one), says something else than meant. A
    // full stop ends a sentence, never a number or an abbreviation inside
    // one ("node no. 17., ID").
    void everyTextShowsAllItsArguments()
    {
        const QList<Entry> entries = allEntries();
        QVERIFY(entries.size() > 1000);
        static const QRegularExpression strayStop(QStringLiteral("\\.\\s*[,;:]"));
        for (const Entry& e : entries) {
            QVERIFY2(!e.text.isEmpty(), qPrintable(e.name));
            QVERIFY2(!e.text.contains(QChar(0)), qPrintable(e.name));
            QVERIFY2(!strayStop.match(e.text).hasMatch(), qPrintable(e.name + QLatin1String(": ") + e.text));
            for (const QString& argument : e.arguments)
                QVERIFY2(argument.isEmpty() || e.text.contains(argument), qPrintable(e.name + QLatin1String(": ") + e.text));
            if (e.arguments.isEmpty()) {
                const QList<int> numbers = markers(e.text);
                for (int i = 0; i < numbers.size(); ++i)
                    QVERIFY2(numbers.at(i) == i + 1, qPrintable(e.name + QLatin1String(": ") + e.text));
            }
        }
    }

    void projectLabelInsertsTheNameOnce()
    {
        QCOMPARE(LocaleMenu::projectLabel(QString()), QStringLiteral("<b>Project:</b> "));
        QCOMPARE(LocaleMenu::projectLabel(QStringLiteral("a%2 %1")), QStringLiteral("<b>Project:</b> a%2 %1"));
        QCOMPARE(LocaleMenu::projectLabel(QStringLiteral("Caf\u00e9 <i>&")),
                 QStringLiteral("<b>Project:</b> Caf\u00e9 &lt;i&gt;&amp;"));
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
};

TESVAR_TEST(LocaleCatalogueTest)
#include "LocaleCatalogueTest.moc"
