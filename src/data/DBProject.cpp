#include "data/DBProject.h"

#include "core/Convert.h"
#include "core/ConstApp.h"
#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

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

const DBFields& DBProject::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    // The file writes it after URL.
                                    DBField::flag(&DBSql::colActive, &DBProject::m_active,
                                                  DBField::XmlWriteOnly | DBField::XmlLast),
                                    DBField::text(&DBSql::colURL, &DBProject::m_url, urlLimit),
                                });
    return table;
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

} // namespace Vexal
