#include "automation/WidSocialBookmarkTemplateJournal.h"

#include "automation/LocaleTemplate.h"
#include "automation/WidSocialBookmarkTemplateEditor.h"
#include "automation/WidSocialBookmarkTemplateTable.h"

namespace Vexal {

WidSocialBookmarkTemplateJournal::WidSocialBookmarkTemplateJournal(QWidget* parent)
    : BaseJournal(parent)
{
}

QString WidSocialBookmarkTemplateJournal::title() const
{
    return LocaleTemplate::socialBookmarkTemplates();
}

void WidSocialBookmarkTemplateJournal::createTable()
{
    installTable(new WidSocialBookmarkTemplateTable(m_syncManager, this));
}

QWidget* WidSocialBookmarkTemplateJournal::createEditor(QWidget* parent)
{
    return new WidSocialBookmarkTemplateEditor(parent);
}

} // namespace Vexal
