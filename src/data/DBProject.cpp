#include "data/DBProject.h"

#include "core/Convert.h"
#include "core/ConstApp.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBProject::DBProject(QObject* parent)
    : DBBase(parent)
    , m_url(ConstApp::homeUrl())
{
}

void DBProject::setActive(bool active)
{
    markModified();
    m_active = active;
}

void DBProject::setUrl(const QString& url)
{
    markModified();
    m_url = Convert::leftText(url, urlLimit);
}

void DBProject::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colActive(true), boolValue(m_active));
    query.bindValue(DBSql::colURL(true), m_url);
}

void DBProject::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_active = readBool(query.value(3));
    m_url = query.value(4).toString();
}

void DBProject::assign(const DBBase* source)
{
    DBBase::assign(source);
    if (const auto* project = qobject_cast<const DBProject*>(source)) {
        setUrl(project->m_url);
        setActive(project->m_active);
    }
}

DBBase* DBProject::create(QObject* parent) const
{
    return new DBProject(parent);
}

QString DBProject::tableName() const
{
    return DBSql::tableProject();
}

QString DBProject::displayName() const
{
    return LocaleSql::tableProjects();
}

QStringList DBProject::columns() const
{
    return commonColumns() << DBSql::colActive() << DBSql::colURL();
}

} // namespace Vexal
