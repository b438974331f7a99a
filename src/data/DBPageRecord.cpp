#include "data/DBPageRecord.h"

#include "core/Convert.h"
#include "core/UserData.h"
#include "core/DBSql.h"
#include "texts/Utils.h"
#include "texts/ConstIcon.h"

#include <QAction>
#include <QMenu>
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

DBPageRecord::DBPageRecord(QObject* parent)
    : DBBase(parent)
{
    m_icon = defaultIcon();
}

void DBPageRecord::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colIcon(true), imageValue(m_icon));
    query.bindValue(DBSql::colTitle(true), m_title);
    query.bindValue(DBSql::colURL(true), m_url);
}

void DBPageRecord::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_icon = readImage(query.value(3));
    m_title = query.value(4).toString();
    m_url = query.value(5).toString();
}

QStringList DBPageRecord::columns() const
{
    return commonColumns() << DBSql::colIcon() << DBSql::colTitle() << DBSql::colURL();
}

void DBPageRecord::assignPage(const DBPageRecord* other)
{
    setIconImage(other->m_icon);
    setTitle(other->m_title);
    setUrl(other->m_url);
}

void DBPageRecord::setTitle(const QString& title)
{
    markModified();
    m_title = Convert::leftText(title, titleLimit);
}

void DBPageRecord::setUrl(const QString& url)
{
    markModified();
    m_url = Convert::leftText(url, urlLimit);
}

QAction* DBPageRecord::addMenuItem(QMenu* menu) const
{
    QAction* action = menu->addAction(QString());
    action->setIcon(iconAsIcon());
    action->setText(Utils::escapeMnemonic(elidedTitle()));
    action->setToolTip(Utils::elideTwoLines(m_title, m_url));
    action->setData(m_url);
    UserData::attach(action, UserData());
    return action;
}

QString DBPageRecord::elidedTitle() const
{
    return Utils::elideText(m_title, menuTextLimit, false);
}

void DBPageRecord::setIcon(const QPixmap& icon)
{
    setIconImage(icon.toImage());
}

void DBPageRecord::setIconImage(const QImage& icon)
{
    markModified();
    m_icon = icon;
}

} // namespace Vexal
