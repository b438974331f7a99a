#pragma once

#include "content/WidSocialBookmarkEditor.h"
#include "content/WidSocialBookmarkTable.h"
#include "texts/LocaleSocialBookmark.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The social bookmarks journal.
class WidSocialBookmarkJournal final
    : public BaseRecordJournal<BaseJournal, WidSocialBookmarkTable, WidSocialBookmarkEditor,
                               &LocaleSocialBookmark::socialBookmarks>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
