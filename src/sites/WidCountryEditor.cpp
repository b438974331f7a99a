#include "sites/WidCountryEditor.h"

#include "sites/DBCountry.h"
#include "texts/LocaleIdentity.h"

namespace Vexal {

WidCountryEditor::WidCountryEditor(QWidget* parent)
    : BaseEditor(parent, kind<DBCountry>(LocaleIdentity::country))
{
}

void WidCountryEditor::createWidgets()
{
    addNameField(LocaleIdentity::name());
    codeEdit = addTextField(LocaleIdentity::code(), &DBCountry::code, &DBCountry::setCode);
    addCommentsField(LocaleIdentity::comments());
    finishForm();
}

} // namespace Vexal
