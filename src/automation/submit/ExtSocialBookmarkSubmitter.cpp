#include "automation/submit/ExtSocialBookmarkSubmitter.h"

#include "automation/submit/LocaleSubmitter.h"
#include "data/WebsiteType.h"
#include "texts/LocaleSocialBookmark.h"
#include "texts/Utils.h"

namespace Vexal {

namespace {

QStringList fieldCaptions()
{
    return {LocaleSocialBookmark::title(), LocaleSocialBookmark::tags(), LocaleSocialBookmark::url(),
            LocaleSocialBookmark::description()};
}

QStringList fieldValues(const DBSocialBookmark& bookmark)
{
    return {bookmark.title(), Utils::normalizeTags(bookmark.tags()), bookmark.url(), bookmark.description()};
}

} // namespace

ExtSocialBookmarkSubmitter::ExtSocialBookmarkSubmitter(QWidget* parent)
    : BaseRecordSubmitter({WebsiteType::SocialBookmarks, &LocaleSubmitter::socialBookmarkSubmitter,
                           &LocaleSocialBookmark::socialBookmark, &fieldCaptions, &fieldValues},
                          parent)
{
}

} // namespace Vexal
