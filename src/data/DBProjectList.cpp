#include "data/DBProjectList.h"

#include "core/ConstApp.h"
#include "data/DBProject.h"
#include "core/DBSql.h"
#include "texts/LocaleBase.h"

namespace Vexal {

DBProjectList::DBProjectList(bool activeOnly, QObject* parent)
    : DBTypedList(parent)
    , m_activeOnly(activeOnly)
{
    setFilterMode(1);
}

DBProjectList::DBProjectList(QObject* parent)
    : DBTypedList(parent)
    , m_activeOnly(false)
{
    setFilterMode(0);
}

QString DBProjectList::whereText() const
{
    if (filterMode() == 1 && m_activeOnly)
        return QStringLiteral("%1 = 1").arg(DBSql::colActive());
    return DBListBase::whereText();
}

QString DBProjectList::orderText() const
{
    if (filterMode() == 1 && m_activeOnly)
        return QStringLiteral("ORDER BY %1").arg(DBSql::colID());
    return DBListBase::orderText();
}

DBProject* DBProjectList::ensureDefault()
{
    if (count() > 0)
        return at(0);
    auto* project = new DBProject(this);
    project->setName(LocaleBase::defaultName());
    project->setUrl(ConstApp::homeUrl());
    append(project);
    return project;
}

} // namespace Vexal
