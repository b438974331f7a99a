#include "data/DBListBase.h"

#include "data/DBBase.h"
#include "data/DBConnection.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace Vexal {

DBListBase::DBListBase(QObject* parent)
    : QObject(parent)
{
}

DBListBase::~DBListBase() = default;

QString DBListBase::selectText() const
{
    const QString columns = m_prototype ? m_prototype->columnsText() : QString();
    const QString table = m_prototype ? m_prototype->tableName() : QString();
    return QStringLiteral("SELECT %1 FROM %2 WHERE %3 %4;").arg(columns, table, whereText(), orderText());
}

QString DBListBase::deleteText(const QString& table, const QList<qint64>& ids) const
{
    QString joined;
    for (int i = 0; i < ids.size(); ++i) {
        if (i == 0)
            joined += QStringLiteral("%1").arg(ids.at(i));
        else
            joined += QStringLiteral(", %1").arg(ids.at(i));
    }
    return QStringLiteral("DELETE FROM %1 WHERE %2 in (%3);").arg(table, DBSql::colID(), joined);
}

QString DBListBase::whereText() const
{
    return QStringLiteral("1=1");
}

QString DBListBase::orderText() const
{
    return QString();
}

void DBListBase::bindWhere(QSqlQuery&) const
{
}

void DBListBase::fillNew(DBBase*) const
{
}

bool DBListBase::contains(qint64 id) const
{
    for (const DBBase* record : m_records) {
        if (record && record->id() == id)
            return true;
    }
    return false;
}

void DBListBase::clear()
{
    const QList<DBBase*> records = m_records;
    m_records.clear();
    for (DBBase* record : records)
        delete record;
}

bool DBListBase::runSelect(QSqlQuery& query, const QString& text)
{
    query.setForwardOnly(true);
    if (query.prepare(text)) {
        bindWhere(query);
        query.exec();
    }
    return !query.lastError().isValid();
}

bool DBListBase::load()
{
    return loadRows(-1);
}

bool DBListBase::loadFirst()
{
    return loadRows(1);
}

bool DBListBase::loadRows(int most)
{
    clear();
    const QString text = selectText();
    QSqlQuery query(DBConnection::current());
    runSelect(query, text);
    if (m_prototype) {
        while (m_records.size() != most && query.next()) {
            DBBase* record = m_prototype->create(this);
            record->readValues(query);
            record->markClean();
            append(record);
        }
    }
    if (query.lastError().isValid()) {
        failed(text, query);
        return false;
    }
    return true;
}

void DBListBase::failed(const QString& text, const QSqlQuery& query)
{
    m_errorText = LocaleSql::sqlQueryFailed(text, query.lastError().text());
    m_failureCause = DBConnection::failureCause(DBConnection::current(), query.lastError());
}

bool DBListBase::hasRows()
{
    const QString text = selectText();
    QSqlQuery query(DBConnection::current());
    runSelect(query, text);
    const bool found = query.next();
    if (query.lastError().isValid()) {
        failed(text, query);
        return false;
    }
    return found;
}

bool DBListBase::exec(const QString& statement)
{
    QSqlQuery query(DBConnection::current());
    if (query.prepare(statement) && query.exec())
        return true;
    failed(statement, query);
    return false;
}

bool DBListBase::deleteRows(const QString& table, const QList<qint64>& ids)
{
    return exec(deleteText(table, ids));
}

bool DBListBase::saveAll()
{
    for (DBBase* record : qAsConst(m_records)) {
        if (!record->save()) {
            m_errorText = record->errorText();
            m_failureCause = record->failureCause();
            return false;
        }
    }
    return true;
}

bool DBListBase::removeAll()
{
    for (DBBase* record : qAsConst(m_records)) {
        if (!record->remove()) {
            m_errorText = record->errorText();
            m_failureCause = record->failureCause();
            return false;
        }
    }
    clear();
    return true;
}

void DBListBase::sortByName()
{
    std::sort(m_records.begin(), m_records.end(), [](const DBBase* a, const DBBase* b) {
        return QString::compare(a->name(), b->name(), Qt::CaseInsensitive) < 0;
    });
}

void DBListBase::append(DBBase* record)
{
    if (!record)
        return;
    if (record->parent() != this)
        record->setParent(this);
    m_records.append(record);
}

void DBListBase::setPrototype(DBBase* prototype)
{
    if (m_prototype == prototype)
        return;
    delete m_prototype;
    m_prototype = prototype;
    if (m_prototype)
        m_prototype->setParent(this);
}

} // namespace Vexal
