#pragma once

#include "automation/LocaleTemplate.h"
#include "automation/WidSocialBookmarkTemplateEditor.h"
#include "automation/WidSocialBookmarkTemplateTable.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

class WidSocialBookmarkTemplateJournal final
    : public BaseRecordJournal<BaseJournal, WidSocialBookmarkTemplateTable, WidSocialBookmarkTemplateEditor,
                               &LocaleTemplate::socialBookmarkTemplates>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;
};

} // namespace Vexal
