#include "data/DBColumn.h"

#include "core/Convert.h"
#include "core/DBSql.h"

#include <QSqlQuery>
#include <QVariant>

namespace Vexal {

DBColumn::DBColumn(QObject* parent)
    : DBBase(parent)
{
}

DBColumn::DBColumn(DBColumn* seed, QObject* parent)
    : DBBase(parent)
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

void DBColumn::setWidgetId(const QString& widgetId)
{
    markModified();
    m_widgetId = Convert::leftText(widgetId, textLimit);
}

void DBColumn::setHeader(const QString& header)
{
    markModified();
    m_header = Convert::leftText(header, textLimit);
}

void DBColumn::setVisualIndex(int index)
{
    markModified();
    m_visualIndex = index;
}

void DBColumn::setLogicalIndex(int index)
{
    markModified();
    m_logicalIndex = index;
}

void DBColumn::setWidth(int width)
{
    markModified();
    m_width = width;
}

void DBColumn::setType(int type)
{
    markModified();
    m_type = type;
}

void DBColumn::setVisible(bool visible)
{
    markModified();
    m_visible = visible;
}

void DBColumn::setVisibleInView(bool visible)
{
    markModified();
    m_visibleInView = visible;
}

void DBColumn::setVisibleInFilter(bool visible)
{
    markModified();
    m_visibleInFilter = visible;
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

void DBColumn::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colWidgetID(true), m_widgetId);
    query.bindValue(DBSql::colHeader(true), m_header);
    query.bindValue(DBSql::colVisualIndex(true), m_visualIndex);
    query.bindValue(DBSql::colLogicalIndex(true), m_logicalIndex);
    query.bindValue(DBSql::colWidth(true), m_width);
    query.bindValue(DBSql::colVisible(true), boolValue(m_visible));
    query.bindValue(DBSql::colVisibleInView(true), boolValue(m_visibleInView));
    query.bindValue(DBSql::colVisibleInFilter(true), boolValue(m_visibleInFilter));
    query.bindValue(DBSql::colType(true), m_type);
}

void DBColumn::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_widgetId = query.value(3).toString();
    m_header = query.value(4).toString();
    m_visualIndex = query.value(5).toInt();
    m_logicalIndex = query.value(6).toInt();
    m_width = query.value(7).toInt();
    m_visible = readBool(query.value(8));
    m_visibleInView = readBool(query.value(9));
    m_visibleInFilter = readBool(query.value(10));
    m_type = query.value(11).toInt();
}

DBBase* DBColumn::create(QObject* parent) const
{
    return new DBColumn(parent);
}

QString DBColumn::tableName() const
{
    return DBSql::tableColumn();
}

QStringList DBColumn::columns() const
{
    return commonColumns() << DBSql::colWidgetID()
           << DBSql::colHeader() << DBSql::colVisualIndex() << DBSql::colLogicalIndex()
           << DBSql::colWidth() << DBSql::colVisible() << DBSql::colVisibleInView()
           << DBSql::colVisibleInFilter() << DBSql::colType();
}

} // namespace Vexal
