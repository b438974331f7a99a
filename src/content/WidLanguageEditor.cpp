#include "content/WidLanguageEditor.h"

#include "content/DBLanguage.h"
#include "texts/LocaleArticle.h"
#include "texts/LocaleInstance.h"

namespace Vexal {

WidLanguageEditor::WidLanguageEditor(QWidget* parent)
    : BaseContentEditor(parent, kind<DBLanguage>(LocaleInstance::language))
{
}

void WidLanguageEditor::createWidgets()
{
    addNameField(LocaleArticle::name());
    addCommentsField(LocaleArticle::comments());
    finishForm();
}

} // namespace Vexal
