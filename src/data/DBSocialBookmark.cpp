#include "data/DBSocialBookmark.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "texts/LocaleSql.h"

#include <QSqlQuery>

namespace Vexal {

DBSocialBookmark::DBSocialBookmark(QObject* parent)
    : DBProjectBase(parent)
{
}

void DBSocialBookmark::bindValues(QSqlQuery& query)
{
    DBProjectBase::bindValues(query);
    query.bindValue(DBSql::colTitle(true), m_title);
    query.bindValue(DBSql::colTags(true), m_tags);
    query.bindValue(DBSql::colURL(true), m_url);
    query.bindValue(DBSql::colDescription(true), m_description);
}

void DBSocialBookmark::readValues(const QSqlQuery& query)
{
    DBProjectBase::readValues(query);
    m_title = query.value(4).toString();
    m_tags = query.value(5).toString();
    m_url = query.value(6).toString();
    m_description = query.value(7).toString();
}

void DBSocialBookmark::assign(const DBBase* source)
{
    DBProjectBase::assign(source);
    const auto* other = qobject_cast<const DBSocialBookmark*>(source);
    if (!other)
        return;
    setTitle(other->m_title);
    setTags(other->m_tags);
    setUrl(other->m_url);
    setDescription(other->m_description);
}

DBBase* DBSocialBookmark::create(QObject* parent) const
{
    return new DBSocialBookmark(parent);
}

QString DBSocialBookmark::tableName() const
{
    return DBSql::tableSocialBookmark();
}

QString DBSocialBookmark::displayName() const
{
    return LocaleSql::tableSocialBookmarks();
}

QStringList DBSocialBookmark::columns() const
{
    return projectColumns() << DBSql::colTitle() << DBSql::colTags() << DBSql::colURL() << DBSql::colDescription();
}

void DBSocialBookmark::setText(QString& field, const QString& text, int limit)
{
    markModified();
    field = Convert::leftText(text, limit);
}

void DBSocialBookmark::setTitle(const QString& text) { setText(m_title, text, shortLimit); }
void DBSocialBookmark::setTags(const QString& text) { setText(m_tags, text, shortLimit); }
void DBSocialBookmark::setUrl(const QString& text) { setText(m_url, text, longLimit); }
void DBSocialBookmark::setDescription(const QString& text) { setText(m_description, text, longLimit); }

} // namespace Vexal
