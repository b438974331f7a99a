#include "sites/WidFirstNameEditor.h"

#include "content/WidLanguageComboBox.h"
#include "sites/DBFirstName.h"
#include "texts/LocaleIdentity.h"

namespace Vexal {

WidFirstNameEditor::WidFirstNameEditor(QWidget* parent)
    : BaseContentEditor(parent, kind<DBFirstName>(LocaleIdentity::firstName))
{
}

void WidFirstNameEditor::createWidgets()
{
    addNameField(LocaleIdentity::name());
    languageBox = addIdField<WidLanguageComboBox>(LocaleIdentity::language(), &DBFirstName::languageId,
                                                  &DBFirstName::setLanguageId, true);
    maleBox = addBoolField(LocaleIdentity::male(), &DBFirstName::gender, &DBFirstName::setGender, true);
    addCommentsField(LocaleIdentity::comments());
    finishForm();
}

} // namespace Vexal
