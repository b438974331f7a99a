#include "data/DBUrlShortcut.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBUrlShortcut::DBUrlShortcut(QObject* parent)
    : DBBase(parent)
{
}

void DBUrlShortcut::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colShortcut(true), m_shortcut);
    query.bindValue(DBSql::colURL(true), m_url);
}

void DBUrlShortcut::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_shortcut = query.value(3).toString();
    m_url = query.value(4).toString();
}

void DBUrlShortcut::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBUrlShortcut*>(source);
    if (!other)
        return;
    setShortcut(other->m_shortcut);
    setUrl(other->m_url);
}

DBBase* DBUrlShortcut::create(QObject* parent) const
{
    return new DBUrlShortcut(parent);
}

QString DBUrlShortcut::tableName() const
{
    return DBSql::tableUrlShortcut();
}

QString DBUrlShortcut::displayName() const
{
    return LocaleSql::tableUriShortcuts();
}

QStringList DBUrlShortcut::columns() const
{
    return commonColumns() << DBSql::colShortcut() << DBSql::colURL();
}

void DBUrlShortcut::setShortcut(const QString& shortcut)
{
    markModified();
    m_shortcut = Convert::leftText(shortcut, shortcutLimit);
}

void DBUrlShortcut::setUrl(const QString& url)
{
    markModified();
    m_url = Convert::leftText(url, urlLimit);
}

} // namespace Vexal
