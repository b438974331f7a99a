#pragma once

#include "exchange/XmlBase.h"

#include "data/DBAccount.h"
#include "sites/DBAddress.h"
#include "content/DBArticle.h"
#include "automation/templates/DBArticleTemplate.h"
#include "data/DBBookmark.h"
#include "data/DBCategory.h"
#include "sites/DBCity.h"
#include "sites/DBCountry.h"
#include "data/DBDirectory.h"
#include "automation/templates/DBDirectoryTemplate.h"
#include "sites/DBFirstName.h"
#include "data/DBHistory.h"
#include "content/DBLanguage.h"
#include "sites/DBLastName.h"
#include "automation/templates/DBLoginTemplate.h"
#include "data/DBMasterAccount.h"
#include "sites/DBOnlineTool.h"
#include "data/DBProject.h"
#include "sites/DBRank.h"
#include "automation/templates/DBRegistrationTemplate.h"
#include "data/DBSocialBookmark.h"
#include "automation/templates/DBSocialBookmarkTemplate.h"
#include "content/DBSpinnedArticle.h"
#include "content/DBSynonym.h"
#include "data/DBUrlShortcut.h"
#include "data/DBWebsite.h"
#include "content/DBWord.h"

namespace Vexal {

// The exchange form of one record kind: it owns one record of that kind (a
// QObject child); XmlBase reads and writes it through the kind's field table.
template <class Record>
class XmlRecord final : public XmlBase
{
public:
    explicit XmlRecord(QObject* parent = nullptr)
        : XmlRecord(new Record, parent)
    {
    }
    // Holds (and becomes the QObject parent of) the given record.
    XmlRecord(Record* record, QObject* parent)
        : XmlBase(parent)
        , m_item(record)
    {
        m_item->setParent(this);
        setRecord(m_item);
    }

    Record* item() const { return m_item; }

private:
    Record* m_item;
};

using XmlAccount = XmlRecord<DBAccount>;
using XmlAddress = XmlRecord<DBAddress>;
using XmlArticle = XmlRecord<DBArticle>;
using XmlArticleTemplate = XmlRecord<DBArticleTemplate>;
using XmlBookmark = XmlRecord<DBBookmark>;
using XmlCategory = XmlRecord<DBCategory>;
using XmlCity = XmlRecord<DBCity>;
using XmlCountry = XmlRecord<DBCountry>;
using XmlDirectory = XmlRecord<DBDirectory>;
using XmlDirectoryTemplate = XmlRecord<DBDirectoryTemplate>;
using XmlFirstName = XmlRecord<DBFirstName>;
using XmlHistory = XmlRecord<DBHistory>;
using XmlLanguage = XmlRecord<DBLanguage>;
using XmlLastName = XmlRecord<DBLastName>;
using XmlLoginTemplate = XmlRecord<DBLoginTemplate>;
using XmlMasterAccount = XmlRecord<DBMasterAccount>;
using XmlOnlineTool = XmlRecord<DBOnlineTool>;
using XmlProject = XmlRecord<DBProject>;
using XmlRank = XmlRecord<DBRank>;
using XmlRegistrationTemplate = XmlRecord<DBRegistrationTemplate>;
using XmlSocialBookmark = XmlRecord<DBSocialBookmark>;
using XmlSocialBookmarkTemplate = XmlRecord<DBSocialBookmarkTemplate>;
using XmlSpinnedArticle = XmlRecord<DBSpinnedArticle>;
using XmlSynonym = XmlRecord<DBSynonym>;
using XmlUrlShortcut = XmlRecord<DBUrlShortcut>;
using XmlWebsite = XmlRecord<DBWebsite>;
using XmlWord = XmlRecord<DBWord>;

} // namespace Vexal
