#include "data/DBColumn.h"

#include "core/DBSql.h"
#include "data/DBField.h"

#include <QVariant>

namespace Vexal {

DBColumn::DBColumn(DBColumn* seed, QObject* parent)
    : DBKind(parent)
{
    if (seed->id() == -1)
        seed->setId(-2);
    m_id = seed->m_id;
    m_widgetId = seed->m_widgetId;
    m_visualIndex = seed->m_logicalIndex;
    m_logicalIndex = seed->m_logicalIndex;
    seed->setId(seed->id() - 1);
    seed->markModified();
    seed->m_logicalIndex += 1;
}

void DBColumn::hideEverywhere()
{
    m_visible = false;
    m_visibleInView = false;
    m_visibleInFilter = false;
}

bool DBColumn::isFilterable(int kind)
{
    return kind != KindUnfiltered && kind != KindIcon;
}

bool DBColumn::isComparable(int kind)
{
    return kind >= KindInteger && kind <= KindDateTime;
}

bool DBColumn::isTextKind(int kind)
{
    return kind == KindText || kind == KindText2;
}

const DBFields& DBColumn::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::text(&DBSql::colWidgetID, &DBColumn::m_widgetId, textLimit),
                                    DBField::text(&DBSql::colHeader, &DBColumn::m_header, textLimit),
                                    DBField::integer(&DBSql::colVisualIndex, &DBColumn::m_visualIndex),
                                    DBField::integer(&DBSql::colLogicalIndex, &DBColumn::m_logicalIndex),
                                    DBField::integer(&DBSql::colWidth, &DBColumn::m_width),
                                    DBField::flag(&DBSql::colVisible, &DBColumn::m_visible),
                                    DBField::flag(&DBSql::colVisibleInView, &DBColumn::m_visibleInView),
                                    DBField::flag(&DBSql::colVisibleInFilter, &DBColumn::m_visibleInFilter),
                                    DBField::integer(&DBSql::colType, &DBColumn::m_type),
                                });
    return table;
}

} // namespace Vexal
