#include "sites/WidCountryComboBox.h"

#include "sites/DBCountryList.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

WidCountryComboBox::WidCountryComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidCountryComboBox::reload()
{
    DBCountryList countries;
    fill(&countries, true);
}

QString WidCountryComboBox::emptyMessage() const
{
    return LocaleMessage::tableEmpty(LocaleInstance::countries(), QStringLiteral("countries.xml"));
}

} // namespace Vexal
