#include "views/DBBookmark.h"

#include "data/DBSql.h"
#include "shell/Utils.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

namespace {

// The 32-pixel web-page picture, made once; a QImage may be shared by threads.
QImage defaultIcon()
{
    static const QImage icon = ConstIcon::webPage(32).toImage();
    return icon;
}

} // namespace

DBBookmark::DBBookmark(QObject* parent)
    : DBBase(parent)
{
    m_icon = defaultIcon();
}

void DBBookmark::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colIcon(true), imageValue(m_icon));
    query.bindValue(DBSql::colTitle(true), m_title);
    query.bindValue(DBSql::colURL(true), m_url);
    query.bindValue(DBSql::colVisible(true), boolValue(m_visible));
}

void DBBookmark::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_icon = readImage(query.value(3));
    m_title = query.value(4).toString();
    m_url = query.value(5).toString();
    m_visible = readBool(query.value(6));
}

void DBBookmark::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBBookmark*>(source);
    if (!other)
        return;
    setIconImage(other->m_icon);
    setTitle(other->m_title);
    setUrl(other->m_url);
    setVisible(other->m_visible);
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

QStringList DBBookmark::columns() const
{
    return commonColumns() << DBSql::colIcon() << DBSql::colTitle() << DBSql::colURL() << DBSql::colVisible();
}

void DBBookmark::setTitle(const QString& title)
{
    markModified();
    m_title = title.left(titleLimit);
}

void DBBookmark::setUrl(const QString& url)
{
    markModified();
    m_url = url.left(urlLimit);
}

void DBBookmark::setVisible(bool visible)
{
    markModified();
    m_visible = visible;
}

QString DBBookmark::elidedTitle() const
{
    return Utils::elideText(m_title, menuTextLimit, false);
}

void DBBookmark::setIcon(const QPixmap& icon)
{
    setIconImage(icon.toImage());
}

void DBBookmark::setIconImage(const QImage& icon)
{
    markModified();
    m_icon = icon;
}

} // namespace Vexal
