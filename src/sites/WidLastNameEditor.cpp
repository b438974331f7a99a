#include "sites/WidLastNameEditor.h"

#include "content/WidLanguageComboBox.h"
#include "sites/DBLastName.h"
#include "texts/LocaleIdentity.h"

namespace Vexal {

WidLastNameEditor::WidLastNameEditor(QWidget* parent)
    : BaseContentEditor(parent, kind<DBLastName>(LocaleIdentity::lastName))
{
}

void WidLastNameEditor::createWidgets()
{
    addNameField(LocaleIdentity::name());
    languageBox = addIdField<WidLanguageComboBox>(LocaleIdentity::language(), &DBLastName::languageId,
                                                  &DBLastName::setLanguageId, true);
    addCommentsField(LocaleIdentity::comments());
    finishForm();
}

} // namespace Vexal
