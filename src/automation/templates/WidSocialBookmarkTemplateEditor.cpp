#include "automation/templates/WidSocialBookmarkTemplateEditor.h"

#include "automation/templates/DBSocialBookmarkTemplate.h"
#include "automation/templates/LocaleTemplate.h"
#include "texts/LocaleSocialBookmark.h"

namespace Vexal {

WidSocialBookmarkTemplateEditor::WidSocialBookmarkTemplateEditor(QWidget* parent)
    : BaseTemplateEditor(parent, kind<DBSocialBookmarkTemplate>(LocaleTemplate::socialBookmarkTemplate), 128)
{
}

void WidSocialBookmarkTemplateEditor::createWidgets()
{
    using R = DBSocialBookmarkTemplate;
    namespace L = LocaleSocialBookmark;
    QGridLayout* page = addGeneralAndKindPages<R>();
    addSelectorRow(page, L::title(), &R::title, &R::setTitle);
    addSelectorRow(page, L::tags(), &R::tags, &R::setTags);
    addSelectorRow(page, L::url(), &R::url, &R::setUrl);
    addSelectorRow(page, L::description(), &R::description, &R::setDescription);
    finishPage(page);
}

} // namespace Vexal
