#include "automation/WidSocialBookmarkTemplateEditor.h"

#include "automation/DBSocialBookmarkTemplate.h"
#include "automation/LocaleTemplate.h"
#include "texts/LocaleSocialBookmark.h"

namespace Vexal {

WidSocialBookmarkTemplateEditor::WidSocialBookmarkTemplateEditor(QWidget* parent)
    : BaseTemplateEditor(parent)
{
}

QString WidSocialBookmarkTemplateEditor::typeName() const
{
    return LocaleTemplate::socialBookmarkTemplate();
}

int WidSocialBookmarkTemplateEditor::websiteType() const
{
    return 128;
}

DBBase* WidSocialBookmarkTemplateEditor::createRecord()
{
    return new DBSocialBookmarkTemplate(this);
}

void WidSocialBookmarkTemplateEditor::createBody()
{
    createTabBody();
}

void WidSocialBookmarkTemplateEditor::createWidgets()
{
    using R = DBSocialBookmarkTemplate;
    namespace L = LocaleSocialBookmark;
    bindRecordClass<R>();

    QGridLayout* general = addPage(LocaleTemplate::general());
    addCommonRows(general);
    addCommentsRow(general);
    finishPage(general);

    QGridLayout* page = addPage(typeName());
    addSelectorRow(page, L::title(), &R::title, &R::setTitle, true);
    addSelectorRow(page, L::tags(), &R::tags, &R::setTags);
    addSelectorRow(page, L::url(), &R::url, &R::setUrl);
    addSelectorRow(page, L::description(), &R::description, &R::setDescription);
    finishPage(page);
}

} // namespace Vexal
