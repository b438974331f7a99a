#include "data/DBSettings.h"

#include "core/Convert.h"
#include "core/DBSql.h"

#include <QSqlQuery>
#include <QVariant>

namespace Vexal {

DBSettings::DBSettings(QObject* parent)
    : DBBase(parent)
{
}

void DBSettings::setLastFolder(const QString& folder)
{
    markModified();
    m_lastFolder = Convert::leftText(folder, lastFolderLimit);
}

void DBSettings::setArticleTitle(int mode)
{
    markModified();
    m_articleTitle = mode;
}

void DBSettings::setArticleIntro(int mode)
{
    markModified();
    m_articleIntro = mode;
}

void DBSettings::setArticleBody(int mode)
{
    markModified();
    m_articleBody = mode;
}

void DBSettings::setSpinnerTitle(int mode)
{
    markModified();
    m_spinnerTitle = mode;
}

void DBSettings::setSpinnerIntro(int mode)
{
    markModified();
    m_spinnerIntro = mode;
}

void DBSettings::setSpinnerBody(int mode)
{
    markModified();
    m_spinnerBody = mode;
}

void DBSettings::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colLastFolder(true), m_lastFolder);
    query.bindValue(DBSql::colArticleTitle(true), m_articleTitle);
    query.bindValue(DBSql::colArticleIntro(true), m_articleIntro);
    query.bindValue(DBSql::colArticleBody(true), m_articleBody);
    query.bindValue(DBSql::colSpinnerTitle(true), m_spinnerTitle);
    query.bindValue(DBSql::colSpinnerIntro(true), m_spinnerIntro);
    query.bindValue(DBSql::colSpinnerBody(true), m_spinnerBody);
}

void DBSettings::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_lastFolder = query.value(3).toString();
    m_articleTitle = query.value(4).toInt();
    m_articleIntro = query.value(5).toInt();
    m_articleBody = query.value(6).toInt();
    m_spinnerTitle = query.value(7).toInt();
    m_spinnerIntro = query.value(8).toInt();
    m_spinnerBody = query.value(9).toInt();
}

void DBSettings::assign(const DBBase* other)
{
    DBBase::assign(other);
    const DBSettings* settings = qobject_cast<const DBSettings*>(other);
    if (!settings)
        return;
    setLastFolder(settings->m_lastFolder);
    setArticleTitle(settings->m_articleTitle);
    setArticleIntro(settings->m_articleIntro);
    setArticleBody(settings->m_articleBody);
    setSpinnerTitle(settings->m_spinnerTitle);
    setSpinnerIntro(settings->m_spinnerIntro);
    setSpinnerBody(settings->m_spinnerBody);
}

DBBase* DBSettings::create(QObject* parent) const
{
    return new DBSettings(parent);
}

QString DBSettings::tableName() const
{
    return DBSql::tableSettings();
}

QStringList DBSettings::columns() const
{
    return commonColumns() << DBSql::colLastFolder()
           << DBSql::colArticleTitle() << DBSql::colArticleIntro() << DBSql::colArticleBody()
           << DBSql::colSpinnerTitle() << DBSql::colSpinnerIntro() << DBSql::colSpinnerBody();
}

} // namespace Vexal
