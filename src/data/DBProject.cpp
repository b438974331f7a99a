#include "data/DBProject.h"

#include "core/ConstApp.h"
#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

DBProject::DBProject(QObject* parent)
    : DBKind(parent)
    , m_url(ConstApp::homeUrl())
{
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

} // namespace Vexal
