#include "data/DBProjectBase.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

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

const DBFields& DBProjectBase::fields() const
{
    return projectFields();
}

const DBFields& DBProjectBase::projectFields()
{
    static const DBFields table(baseFields(),
                                {DBField::integer(&DBSql::colProjectID, &DBProjectBase::m_projectId, DBField::Key)});
    return table;
}

} // namespace Vexal
