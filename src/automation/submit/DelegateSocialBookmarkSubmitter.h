#pragma once

#include "automation/templates/DBSocialBookmarkTemplate.h"
#include "automation/submit/DelegateSubmitter.h"
#include "data/DBSocialBookmark.h"

namespace Vexal {

// Fills a social bookmark form with one stored bookmark.
class DelegateSocialBookmarkSubmitter final
    : public DelegateRecordSubmitter<DBSocialBookmark, DBSocialBookmarkTemplate, DBTemplateList::KindSocialBookmark,
                                     &DBTemplateList::socialBookmarkTemplateAt>
{
    Q_OBJECT
public:
    using DelegateRecordSubmitter::DelegateRecordSubmitter;

    void fillByTemplate(const DBSocialBookmark* bookmark, const DBSocialBookmarkTemplate* templ) override;
    void fillSmart(const DBSocialBookmark* bookmark) override;
};

} // namespace Vexal
