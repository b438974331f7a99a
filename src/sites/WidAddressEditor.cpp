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
    nameEdit = addNameField(LocaleIdentity::name());
    countryBox = new WidCountryComboBox(m_body);
    addIdField(LocaleIdentity::country(), countryBox, [this] { countryBox->reload(); }, &DBAddress::countryId,
               &DBAddress::setCountryId, true);
    detailsEdit = addTextField(LocaleIdentity::details(), &DBAddress::details, &DBAddress::setDetails);
    addCommentsField(LocaleIdentity::comments());
    finishForm();
}

} // namespace Vexal
