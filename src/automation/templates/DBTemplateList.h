#pragma once

#include "data/DBListBase.h"

namespace Vexal {

class DBArticleTemplate;
class DBDirectoryTemplate;
class DBLoginTemplate;
class DBRegistrationTemplate;
class DBSocialBookmarkTemplate;

// The templates of one kind that belong to one website (or, with the
// kind-only constructor, every template of the kind). The rows come in the
// table's natural order: the first one is the template the fillers use.
class DBTemplateList final : public DBListBase
{
    Q_OBJECT
public:
    enum Kind { KindLogin = 0, KindRegistration = 1, KindDirectory = 2, KindSocialBookmark = 3, KindArticle = 4 };
    enum Mode { ModeAll = 0, ModeWebsite = 1 };

    DBTemplateList(int kind, qint64 websiteId, QObject* parent = nullptr);
    DBTemplateList(int kind, QObject* parent = nullptr);

    // "WebsiteID = 7"
    QString whereText() const override;

    // A new record of the kind; null for a kind outside 0-4.
    static DBBase* createRecord(int kind, QObject* parent);

    // Null outside the list, and when the entry is of another kind.
    DBLoginTemplate* loginTemplateAt(int index) const;
    DBRegistrationTemplate* registrationTemplateAt(int index) const;
    DBDirectoryTemplate* directoryTemplateAt(int index) const;
    DBSocialBookmarkTemplate* socialBookmarkTemplateAt(int index) const;
    DBArticleTemplate* articleTemplateAt(int index) const;

    int kind() const { return m_kind; }
    qint64 websiteId() const { return m_websiteId; }

private:
    template <class Record>
    Record* typedAt(int index) const;

    int m_kind;
    qint64 m_websiteId;
};

} // namespace Vexal
