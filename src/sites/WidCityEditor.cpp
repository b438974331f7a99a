#include "sites/WidCityEditor.h"

#include "sites/DBCity.h"
#include "sites/WidCountryComboBox.h"
#include "texts/LocaleIdentity.h"

namespace Vexal {

WidCityEditor::WidCityEditor(QWidget* parent)
    : BaseContentEditor(parent, kind<DBCity>(LocaleIdentity::city))
{
}

void WidCityEditor::createWidgets()
{
    addNameField(LocaleIdentity::name());
    countryBox = addIdField<WidCountryComboBox>(LocaleIdentity::country(), &DBCity::countryId,
                                                &DBCity::setCountryId, true);
    provinceEdit = addTextField(LocaleIdentity::province(), &DBCity::province, &DBCity::setProvince);
    addCommentsField(LocaleIdentity::comments());
    finishForm();
}

} // namespace Vexal
