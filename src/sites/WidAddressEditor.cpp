#include "sites/WidAddressEditor.h"

#include "sites/DBAddress.h"
#include "sites/WidCountryComboBox.h"
#include "texts/LocaleIdentity.h"

namespace Vexal {

WidAddressEditor::WidAddressEditor(QWidget* parent)
    : BaseContentEditor(parent, kind<DBAddress>(LocaleIdentity::address))
{
}

void WidAddressEditor::createWidgets()
{
    addNameField(LocaleIdentity::name());
    countryBox = addIdField<WidCountryComboBox>(LocaleIdentity::country(), &DBAddress::countryId,
                                                &DBAddress::setCountryId, true);
    detailsEdit = addTextField(LocaleIdentity::details(), &DBAddress::details, &DBAddress::setDetails);
    addCommentsField(LocaleIdentity::comments());
    finishForm();
}

} // namespace Vexal
