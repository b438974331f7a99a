#include "data/DBBookmark.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBBookmark::DBBookmark(QObject* parent)
    : DBPageRecord(parent)
{
}

void DBBookmark::bindValues(QSqlQuery& query)
{
    DBPageRecord::bindValues(query);
    query.bindValue(DBSql::colVisible(true), boolValue(m_visible));
}

void DBBookmark::readValues(const QSqlQuery& query)
{
    DBPageRecord::readValues(query);
    m_visible = readBool(query.value(firstOwnColumn));
}

void DBBookmark::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBBookmark*>(source);
    if (!other)
        return;
    assignPage(other);
    setVisible(other->m_visible);
}

DBBase* DBBookmark::create(QObject* parent) const
{
    return new DBBookmark(parent);
}

QString DBBookmark::tableName() const
{
    return DBSql::tableBookmark();
}

QString DBBookmark::displayName() const
{
    return LocaleSql::tableBookmarks();
}

QStringList DBBookmark::columns() const
{
    return DBPageRecord::columns() << DBSql::colVisible();
}

void DBBookmark::setVisible(bool visible)
{
    markModified();
    m_visible = visible;
}

} // namespace Vexal
