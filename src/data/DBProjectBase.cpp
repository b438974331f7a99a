#include "data/DBProjectBase.h"

#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBProjectBase::DBProjectBase(QObject* parent)
    : DBBase(parent)
{
}

QStringList DBProjectBase::projectColumns()
{
    return commonColumns() << DBSql::colProjectID();
}

bool DBProjectBase::isValid()
{
    if (m_projectId == -1) {
        setErrorText(LocaleSql::projectIdEmpty(QString::fromLatin1(metaObject()->className())));
        return false;
    }
    return true;
}

void DBProjectBase::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colProjectID(true), m_projectId);
}

void DBProjectBase::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_projectId = query.value(3).toInt();
}

void DBProjectBase::assign(const DBBase* source)
{
    DBBase::assign(source);
    if (const auto* project = qobject_cast<const DBProjectBase*>(source))
        setProjectId(project->m_projectId);
}

void DBProjectBase::setProjectId(int projectId)
{
    markModified();
    m_projectId = projectId;
}

} // namespace Vexal
