#pragma once

#include "automation/submit/BaseRecordSubmitter.h"
#include "automation/submit/DelegateSocialBookmarkSubmitter.h"
#include "content/WidSocialBookmarkComboBox.h"
#include "data/DBSocialBookmark.h"

namespace Vexal {

// Submits one of the current project's social bookmarks to a website of type
// Social Bookmarks.
class ExtSocialBookmarkSubmitter final
    : public BaseRecordSubmitter<WidSocialBookmarkComboBox, DBSocialBookmark, DelegateSocialBookmarkSubmitter>
{
    Q_OBJECT
public:
    explicit ExtSocialBookmarkSubmitter(QWidget* parent = nullptr);

    WidSocialBookmarkComboBox* socialBookmarkBox() const { return recordBox(); }
};

} // namespace Vexal
