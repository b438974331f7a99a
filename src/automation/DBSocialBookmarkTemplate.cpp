#include "automation/DBSocialBookmarkTemplate.h"

#include "data/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBSocialBookmarkTemplate::DBSocialBookmarkTemplate(QObject* parent)
    : DBBase(parent)
{
}

void DBSocialBookmarkTemplate::bindValues(QSqlQuery& query)
{
    DBBase::bindValues(query);
    query.bindValue(DBSql::colWebsiteID(true), m_websiteId);
    query.bindValue(DBSql::colTitle(true), m_title);
    query.bindValue(DBSql::colTags(true), m_tags);
    query.bindValue(DBSql::colURL(true), m_url);
    query.bindValue(DBSql::colDescription(true), m_description);
}

void DBSocialBookmarkTemplate::readValues(const QSqlQuery& query)
{
    DBBase::readValues(query);
    m_websiteId = query.value(3).toInt();
    m_title = query.value(4).toString();
    m_tags = query.value(5).toString();
    m_url = query.value(6).toString();
    m_description = query.value(7).toString();
}

void DBSocialBookmarkTemplate::assign(const DBBase* source)
{
    DBBase::assign(source);
    const auto* other = qobject_cast<const DBSocialBookmarkTemplate*>(source);
    if (!other)
        return;
    setWebsiteId(other->m_websiteId);
    setTitle(other->m_title);
    setTags(other->m_tags);
    setUrl(other->m_url);
    setDescription(other->m_description);
}

DBBase* DBSocialBookmarkTemplate::create(QObject* parent) const
{
    return new DBSocialBookmarkTemplate(parent);
}

QString DBSocialBookmarkTemplate::tableName() const
{
    return DBSql::tableSocialBookmarkTemplate();
}

QString DBSocialBookmarkTemplate::displayName() const
{
    return LocaleSql::tableSocialBookmarkTemplates();
}

QStringList DBSocialBookmarkTemplate::columns() const
{
    return commonColumns() << DBSql::colWebsiteID() << DBSql::colTitle() << DBSql::colTags()
                           << DBSql::colURL() << DBSql::colDescription();
}

void DBSocialBookmarkTemplate::setWebsiteId(int websiteId)
{
    markModified();
    m_websiteId = websiteId;
}

void DBSocialBookmarkTemplate::setTitle(const QString& title)
{
    markModified();
    m_title = title.left(selectorLimit);
}

void DBSocialBookmarkTemplate::setTags(const QString& tags)
{
    markModified();
    m_tags = tags.left(selectorLimit);
}

void DBSocialBookmarkTemplate::setUrl(const QString& url)
{
    markModified();
    m_url = url.left(selectorLimit);
}

void DBSocialBookmarkTemplate::setDescription(const QString& description)
{
    markModified();
    m_description = description.left(selectorLimit);
}

} // namespace Vexal
