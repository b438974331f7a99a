#include "views/DBHistory.h"

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

DBHistory::DBHistory(QObject* parent)
    : DBBase(parent)
{
    m_icon = defaultIcon();
    const QDateTime now = QDateTime::currentDateTime();
    m_createDate = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
}

void DBHistory::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colIcon(true), imageValue(m_icon));
    query.bindValue(DBSql::colTitle(true), m_title);
    query.bindValue(DBSql::colURL(true), m_url);
    query.bindValue(DBSql::colCreateDate(true), dateTimeValue(m_createDate));
}

void DBHistory::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_icon = readImage(query.value(3));
    m_title = query.value(4).toString();
    m_url = query.value(5).toString();
    m_createDate = readDateTime(query.value(6));
}

void DBHistory::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBHistory*>(source);
    if (!other)
        return;
    setIconImage(other->m_icon);
    setTitle(other->m_title);
    setUrl(other->m_url);
    setCreateDate(other->m_createDate);
}

DBBase* DBHistory::create(QObject* parent) const
{
    return new DBHistory(parent);
}

QString DBHistory::tableName() const
{
    return DBSql::tableHistory();
}

QString DBHistory::displayName() const
{
    return LocaleSql::tableHistory();
}

QStringList DBHistory::columns() const
{
    return commonColumns() << DBSql::colIcon() << DBSql::colTitle() << DBSql::colURL()
                           << DBSql::colCreateDate();
}

void DBHistory::setTitle(const QString& title)
{
    markModified();
    m_title = title.left(titleLimit);
}

void DBHistory::setUrl(const QString& url)
{
    markModified();
    m_url = url.left(urlLimit);
}

void DBHistory::setCreateDate(const QDateTime& createDate)
{
    markModified();
    m_createDate = createDate;
}

QString DBHistory::elidedTitle() const
{
    return Utils::elideText(m_title, menuTextLimit, false);
}

void DBHistory::setIcon(const QPixmap& icon)
{
    setIconImage(icon.toImage());
}

void DBHistory::setIconImage(const QImage& icon)
{
    markModified();
    m_icon = icon;
}

} // namespace Vexal
