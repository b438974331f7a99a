#include "data/DBGUI.h"

#include "core/DBSql.h"

#include <QSqlQuery>
#include <QVariant>

namespace Vexal {

DBGUI::DBGUI(QObject* parent)
    : DBBase(parent)
{
}

void DBGUI::setMenuBar(bool value)
{
    markModified();
    m_menuBar = value;
}

void DBGUI::setStatusBar(bool value)
{
    markModified();
    m_statusBar = value;
}

void DBGUI::setMaximized(bool value)
{
    markModified();
    m_maximized = value;
}

void DBGUI::setX(int value)
{
    markModified();
    m_x = value;
}

void DBGUI::setY(int value)
{
    markModified();
    m_y = value;
}

void DBGUI::setWidth(int value)
{
    markModified();
    m_width = value;
}

void DBGUI::setHeight(int value)
{
    markModified();
    m_height = value;
}

void DBGUI::setWebSearch(int value)
{
    markModified();
    m_webSearch = value;
}

void DBGUI::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colMenuBar(true), boolValue(m_menuBar));
    query.bindValue(DBSql::colStatusBar(true), boolValue(m_statusBar));
    query.bindValue(DBSql::colMaximized(true), boolValue(m_maximized));
    query.bindValue(DBSql::colX(true), m_x);
    query.bindValue(DBSql::colY(true), m_y);
    query.bindValue(DBSql::colWidth(true), m_width);
    query.bindValue(DBSql::colHeight(true), m_height);
    query.bindValue(DBSql::colWebSearch(true), m_webSearch);
}

void DBGUI::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_menuBar = readBool(query.value(3));
    m_statusBar = readBool(query.value(4));
    m_maximized = readBool(query.value(5));
    m_x = query.value(6).toInt();
    m_y = query.value(7).toInt();
    m_width = query.value(8).toInt();
    m_height = query.value(9).toInt();
    m_webSearch = query.value(10).toInt();
}

void DBGUI::assign(const DBBase* other)
{
    DBBase::assign(other);
    const DBGUI* gui = qobject_cast<const DBGUI*>(other);
    if (!gui)
        return;
    setMenuBar(gui->m_menuBar);
    setStatusBar(gui->m_statusBar);
    setMaximized(gui->m_maximized);
    setX(gui->m_x);
    setY(gui->m_y);
    setWidth(gui->m_width);
    setHeight(gui->m_height);
    setWebSearch(gui->m_webSearch);
}

DBBase* DBGUI::create(QObject* parent) const
{
    return new DBGUI(parent);
}

QString DBGUI::tableName() const
{
    return DBSql::tableGUI();
}

QStringList DBGUI::columns() const
{
    return commonColumns() << DBSql::colMenuBar()
           << DBSql::colStatusBar() << DBSql::colMaximized() << DBSql::colX() << DBSql::colY()
           << DBSql::colWidth() << DBSql::colHeight() << DBSql::colWebSearch();
}

} // namespace Vexal
