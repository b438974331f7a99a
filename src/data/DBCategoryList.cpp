#include "data/DBCategoryList.h"

#include "data/DBCategory.h"
#include "core/DBSql.h"

namespace Vexal {

DBCategoryList::DBCategoryList(qint64 masterId, QObject* parent)
    : DBTypedList(parent)
    , m_masterId(masterId)
{
    setFilterMode(1);
}

DBCategoryList::DBCategoryList(QObject* parent)
    : DBTypedList(parent)
    , m_masterId(-1)
{
    setFilterMode(0);
}

QString DBCategoryList::whereText() const
{
    if (filterMode() == 1)
        return QStringLiteral("%1=%2").arg(DBSql::colMasterID(), QString::number(m_masterId));
    return DBListBase::whereText();
}

QStringList DBCategoryList::names() const
{
    QStringList result;
    for (const DBBase* record : records())
        result << record->name();
    return result;
}

} // namespace Vexal
