#include "data/DBBookmark.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleSql.h"

namespace Vexal {

DBBookmark::DBBookmark(QObject* parent)
    : DBPageRecord(parent)
{
}

const DBFields& DBBookmark::fields() const
{
    static const DBFields table(pageFields(),
                                {
                                    DBField::flag(&DBSql::colVisible, &DBBookmark::m_visible),
                                });
    return table;
}

DBBase* DBBookmark::create(QObject* parent) const
{
    return new DBBookmark(parent);
}

QString DBBookmark::tableName() const
{
    return DBSql::tableBookmark();
}

QString DBBookmark::displayName() const
{
    return LocaleSql::tableBookmarks();
}

void DBBookmark::setVisible(bool visible)
{
    markModified();
    m_visible = visible;
}

} // namespace Vexal
