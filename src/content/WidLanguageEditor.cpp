#include "content/WidLanguageEditor.h"

#include "content/DBLanguage.h"
#include "texts/LocaleArticle.h"
#include "texts/LocaleInstance.h"

namespace Vexal {

WidLanguageEditor::WidLanguageEditor(QWidget* parent)
    : BaseContentEditor(parent)
{
}

QString WidLanguageEditor::typeName() const
{
    return LocaleInstance::language();
}

DBBase* WidLanguageEditor::createRecord()
{
    return new DBLanguage(this);
}

void WidLanguageEditor::createWidgets()
{
    nameEdit = addNameField(LocaleArticle::name());
    addCommentsField(LocaleArticle::comments());
    finishForm();
}

} // namespace Vexal
