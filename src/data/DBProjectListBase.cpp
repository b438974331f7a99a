#include "data/DBProjectListBase.h"

#include "core/DBSql.h"

namespace Vexal {

DBProjectListBase::DBProjectListBase(int projectId, QObject* parent)
    : DBListBase(parent)
    , m_projectId(projectId)
{
}

QString DBProjectListBase::whereText() const
{
    return QStringLiteral("%1 = %2").arg(DBSql::colProjectID(), QString::number(m_projectId));
}

} // namespace Vexal
