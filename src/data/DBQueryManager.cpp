#include "data/DBQueryManager.h"

#include "data/DBBase.h"
#include "data/DBConnection.h"
#include "core/DBSql.h"
#include "core/DBSqlNames.h"
#include "data/DBText.h"
#include "texts/LocaleSql.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

namespace Vexal {

namespace {

// Table and view names are written into the statement; any other text is
// made one quoted identifier, so that it can only name a table.
QString tableIdentifier(const QString& table)
{
    static const QSet<QString> known = [] {
        QSet<QString> names;
#define TESVAR_KNOWN_TABLE(Name) names.insert(DBSql::table##Name());
        TESVAR_DB_TABLES(TESVAR_KNOWN_TABLE)
#undef TESVAR_KNOWN_TABLE
        return names;
    }();
    if (known.contains(table))
        return table;
    QString quoted = table;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QString(QLatin1Char('"') + quoted + QLatin1Char('"'));
}

QString switchSavepoint()
{
    return QStringLiteral("tesvar_active_switch");
}

} // namespace

DBQueryManager::DBQueryManager(QObject* parent)
    : QObject(parent)
{
}

void DBQueryManager::fail(const QString& text, const QString& cause)
{
    m_errorText = text;
    m_failureCause = cause;
    m_lastFailed = true;
}

bool DBQueryManager::run(const QString& text, const QVariantMap& values, int* rowsAffected)
{
    QSqlDatabase db = DBConnection::current();
    QSqlQuery query(db);
    if (query.prepare(text)) {
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            query.bindValue(it.key(), it.value());
        if (query.exec()) {
            if (rowsAffected)
                *rowsAffected = query.numRowsAffected();
            return true;
        }
    }
    fail(LocaleSql::sqlQueryFailed(text, query.lastError().text()), DBConnection::failureCause(db, query.lastError()));
    return false;
}

bool DBQueryManager::lookup(const QString& text, const QVariantMap& values)
{
    m_lastFailed = false;
    QSqlDatabase db = DBConnection::current();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (query.prepare(text)) {
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            query.bindValue(it.key(), it.value());
        query.exec();
    }
    const bool found = query.next();
    if (query.lastError().isValid()) {
        fail(LocaleSql::sqlQueryFailed(text, query.lastError().text()),
             DBConnection::failureCause(db, query.lastError()));
        return false;
    }
    return found;
}

bool DBQueryManager::exec(const QString& statement)
{
    m_lastFailed = false;
    return run(statement);
}

QString DBQueryManager::bookmarksVisibleText(const QList<qint64>& ids, bool visible)
{
    QString joined;
    for (int i = 0; i < ids.size(); ++i) {
        if (i == 0)
            joined += QString::number(ids.at(i));
        else
            joined += QString(QLatin1String(", ") + QString::number(ids.at(i)));
    }
    return bookmarksVisibleWhereText(QStringLiteral("%1 in (%2)").arg(DBSql::colID(), joined), visible);
}

QString DBQueryManager::bookmarksVisibleWhereText(const QString& condition, bool visible)
{
    return QStringLiteral("UPDATE %1 SET %2 = %3 WHERE %4;")
        .arg(DBSql::tableBookmark(), DBSql::colVisible(), visible ? QStringLiteral("1") : QStringLiteral("0"),
             condition);
}

bool DBQueryManager::setBookmarksVisible(const QList<qint64>& ids, bool visible)
{
    return exec(bookmarksVisibleText(ids, visible));
}

bool DBQueryManager::setBookmarksVisibleWhere(const QString& condition, bool visible)
{
    return exec(bookmarksVisibleWhereText(condition, visible));
}

namespace {

QString expiredHistory(int days, const QDate& today)
{
    return QStringLiteral("%1 < '%2'").arg(DBSql::colCreateDate(), DBBase::dateValue(today.addDays(-days)).toString());
}

} // namespace

QString DBQueryManager::deleteHistoryBeforeText(int days, const QDate& today, int most)
{
    const QString expired = expiredHistory(days, today);
    if (most <= 0)
        return QStringLiteral("DELETE FROM %1 WHERE %2;").arg(DBSql::tableHistory(), expired);
    // The index of the creation dates hands out the oldest rows directly.
    return QStringLiteral("DELETE FROM %1 WHERE %2 IN (SELECT %2 FROM %1 WHERE %3 ORDER BY %4 LIMIT %5);")
        .arg(DBSql::tableHistory(), DBSql::colID(), expired, DBSql::colCreateDate())
        .arg(most);
}

bool DBQueryManager::deleteHistoryBefore(int days)
{
    return deleteHistoryBefore(days, QDate::currentDate());
}

bool DBQueryManager::deleteHistoryBefore(int days, const QDate& today)
{
    return exec(deleteHistoryBeforeText(days, today));
}

bool DBQueryManager::findExpiredHistory(int days, const QDate& today)
{
    return lookup(QStringLiteral("SELECT 1 FROM %1 WHERE %2 LIMIT 1;")
                      .arg(DBSql::tableHistory(), expiredHistory(days, today)));
}

QString DBQueryManager::clearHistoryCutoff(int period, int hours, const QDateTime& now)
{
    switch (period) {
    case PeriodLastHour:
        return DBBase::dateTimeValue(now.addSecs(-3600)).toString();
    case PeriodLastTwoHours:
        return DBBase::dateTimeValue(now.addSecs(-7200)).toString();
    case PeriodLastFourHours:
        return DBBase::dateTimeValue(now.addSecs(-14400)).toString();
    case PeriodToday:
        return DBBase::dateValue(now.date()).toString();
    case PeriodEverything:
        return DBBase::dateValue(now.date().addYears(-10)).toString();
    case PeriodLastHours:
        return DBBase::dateTimeValue(now.addSecs(-qint64(hours) * 3600)).toString();
    default:
        return QString();
    }
}

QString DBQueryManager::clearHistoryText(const QString& url)
{
    if (url.isEmpty())
        return QStringLiteral("DELETE FROM %1 WHERE %2 >= %3;")
            .arg(DBSql::tableHistory(), DBSql::colCreateDate(), DBSql::colCreateDate(true));
    return QStringLiteral("DELETE FROM %1 WHERE %2 >= %3 AND %4;")
        .arg(DBSql::tableHistory(), DBSql::colCreateDate(), DBSql::colCreateDate(true),
             DBText::containsCondition(DBSql::colURL(), DBSql::colURL(true), url));
}

bool DBQueryManager::clearHistory(int period, int hours, const QString& url)
{
    return clearHistory(period, hours, url, QDateTime::currentDateTime());
}

bool DBQueryManager::clearHistory(int period, int hours, const QString& url, const QDateTime& now)
{
    m_lastFailed = false;
    const QString text = clearHistoryText(url);
    const QString cutoff = clearHistoryCutoff(period, hours, now);
    if (cutoff.isEmpty()) {
        // An unknown period deletes nothing.
        fail(LocaleSql::sqlQueryFailed(text, QString()));
        return false;
    }
    QVariantMap values;
    values.insert(DBSql::colCreateDate(true), cutoff);
    if (!url.isEmpty())
        values.insert(DBSql::colURL(true), DBText::containsValue(url));
    return run(text, values);
}

bool DBQueryManager::setOnlyActive(const QString& table, qint64 id)
{
    m_lastFailed = false;
    // Only the rows that are active are written: a switch among a million
    // projects rewrites one row, not all of them.
    const QString clearText = QStringLiteral("UPDATE %1 SET %2 = 0 WHERE %2 <> 0;").arg(table, DBSql::colActive());
    const QString setText = QStringLiteral("UPDATE %1 SET %2 = 1 WHERE %3 = %4;")
                                .arg(table, DBSql::colActive(), DBSql::colID(), QString::number(id));

    if (!run(QStringLiteral("SAVEPOINT %1;").arg(switchSavepoint())))
        return false;
    int rows = 0;
    bool ok = run(clearText) && run(setText, QVariantMap(), &rows);
    if (ok && rows < 1) {
        fail(LocaleSql::sqlQueryFailed(setText, LocaleSql::resultSetEmpty()));
        ok = false;
    }
    if (ok && run(QStringLiteral("RELEASE SAVEPOINT %1;").arg(switchSavepoint())))
        return true;

    // Undo whatever ran; the error text stays that of the failure.
    QSqlQuery undo(DBConnection::current());
    undo.exec(QStringLiteral("ROLLBACK TO SAVEPOINT %1;").arg(switchSavepoint()));
    undo.exec(QStringLiteral("RELEASE SAVEPOINT %1;").arg(switchSavepoint()));
    return false;
}

bool DBQueryManager::setActiveProject(qint64 id)
{
    return setOnlyActive(DBSql::tableProject(), id);
}

bool DBQueryManager::setActiveMasterAccount(qint64 id)
{
    return setOnlyActive(DBSql::tableMasterAccount(), id);
}

QString DBQueryManager::findAccountIdText(qint64 websiteId)
{
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3=%4;")
        .arg(DBSql::colID(), DBSql::tableAccount(), DBSql::colWebsiteID(), QString::number(websiteId));
}

bool DBQueryManager::findAccountId(qint64 websiteId)
{
    return lookup(findAccountIdText(websiteId));
}

QString DBQueryManager::findWordIdText(qint64 languageId)
{
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3=%4 AND %5=%6;")
        .arg(DBSql::colID(), DBSql::tableWord(), DBSql::colName(), DBSql::colName(true), DBSql::colLanguageID(),
             QString::number(languageId));
}

bool DBQueryManager::findWordId(const QString& name, qint64 languageId)
{
    QVariantMap values;
    values.insert(DBSql::colName(true), name);
    return lookup(findWordIdText(languageId), values);
}

QString DBQueryManager::findSynonymIdText(qint64 wordId)
{
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3=%4 AND %5=%6;")
        .arg(DBSql::colID(), DBSql::tableSynonym(), DBSql::colName(), DBSql::colName(true), DBSql::colWordID(),
             QString::number(wordId));
}

bool DBQueryManager::findSynonymId(const QString& name, qint64 wordId)
{
    QVariantMap values;
    values.insert(DBSql::colName(true), name);
    return lookup(findSynonymIdText(wordId), values);
}

QString DBQueryManager::existsText(qint64 id, const QString& table)
{
    return QStringLiteral("SELECT %1 FROM %2 WHERE %1=%3;")
        .arg(DBSql::colID(), tableIdentifier(table), QString::number(id));
}

bool DBQueryManager::exists(qint64 id, const QString& table)
{
    return lookup(existsText(id, table));
}

} // namespace Vexal
