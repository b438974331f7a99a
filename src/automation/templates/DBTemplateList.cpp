#include "automation/templates/DBTemplateList.h"

#include "automation/templates/DBArticleTemplate.h"
#include "automation/templates/DBDirectoryTemplate.h"
#include "automation/templates/DBLoginTemplate.h"
#include "automation/templates/DBRegistrationTemplate.h"
#include "automation/templates/DBSocialBookmarkTemplate.h"
#include "core/DBSql.h"

namespace Vexal {

DBTemplateList::DBTemplateList(int kind, qint64 websiteId, QObject* parent)
    : DBListBase(parent)
    , m_kind(kind)
    , m_websiteId(websiteId)
{
    setFilterMode(ModeWebsite);
    // An unknown kind leaves the list without prototype: its load fails.
    setPrototype(createRecord(kind, this));
}

DBTemplateList::DBTemplateList(int kind, QObject* parent)
    : DBListBase(parent)
    , m_kind(kind)
    , m_websiteId(-1)
{
    setFilterMode(ModeAll);
    setPrototype(createRecord(kind, this));
}

QString DBTemplateList::whereText() const
{
    if (filterMode() == ModeWebsite)
        return QStringLiteral("%1 = %2").arg(DBSql::colWebsiteID(), QString::number(m_websiteId));
    return DBListBase::whereText();
}

DBBase* DBTemplateList::createRecord(int kind, QObject* parent)
{
    switch (kind) {
    case KindLogin:
        return new DBLoginTemplate(parent);
    case KindRegistration:
        return new DBRegistrationTemplate(parent);
    case KindDirectory:
        return new DBDirectoryTemplate(parent);
    case KindSocialBookmark:
        return new DBSocialBookmarkTemplate(parent);
    case KindArticle:
        return new DBArticleTemplate(parent);
    default:
        return nullptr;
    }
}

template <class Record>
Record* DBTemplateList::typedAt(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return qobject_cast<Record*>(DBListBase::at(index));
}

DBLoginTemplate* DBTemplateList::loginTemplateAt(int index) const
{
    return typedAt<DBLoginTemplate>(index);
}

DBRegistrationTemplate* DBTemplateList::registrationTemplateAt(int index) const
{
    return typedAt<DBRegistrationTemplate>(index);
}

DBDirectoryTemplate* DBTemplateList::directoryTemplateAt(int index) const
{
    return typedAt<DBDirectoryTemplate>(index);
}

DBSocialBookmarkTemplate* DBTemplateList::socialBookmarkTemplateAt(int index) const
{
    return typedAt<DBSocialBookmarkTemplate>(index);
}

DBArticleTemplate* DBTemplateList::articleTemplateAt(int index) const
{
    return typedAt<DBArticleTemplate>(index);
}

} // namespace Vexal
