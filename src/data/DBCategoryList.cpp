#include "data/DBCategoryList.h"

#include "data/DBCategory.h"
#include "core/DBSql.h"

namespace Vexal {

DBCategoryList::DBCategoryList(int masterId, QObject* parent)
    : DBListBase(parent)
    , m_masterId(masterId)
{
    setPrototype(new DBCategory(this));
    setFilterMode(1);
}

DBCategoryList::DBCategoryList(QObject* parent)
    : DBListBase(parent)
    , m_masterId(-1)
{
    setPrototype(new DBCategory(this));
    setFilterMode(0);
}

QString DBCategoryList::whereText() const
{
    if (filterMode() == 1)
        return QStringLiteral("%1=%2").arg(DBSql::colMasterID(), QString::number(m_masterId));
    return DBListBase::whereText();
}

DBCategory* DBCategoryList::at(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<DBCategory*>(DBListBase::at(index));
}

DBCategory* DBCategoryList::findById(int id) const
{
    for (DBBase* record : records()) {
        if (record && record->id() == id)
            return qobject_cast<DBCategory*>(record);
    }
    return nullptr;
}

DBCategory* DBCategoryList::firstOrCreate()
{
    if (count() > 0)
        return at(0);
    auto* category = new DBCategory(this);
    append(category);
    return category;
}

QStringList DBCategoryList::names() const
{
    QStringList result;
    for (const DBBase* record : records())
        result << record->name();
    return result;
}

} // namespace Vexal
