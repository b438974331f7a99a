#pragma once

#include "automation/templates/LocaleTemplate.h"
#include "automation/templates/WidSocialBookmarkTemplateEditor.h"
#include "automation/templates/WidSocialBookmarkTemplateTable.h"
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
