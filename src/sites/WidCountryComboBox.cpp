#include "sites/WidCountryComboBox.h"

#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

QString WidCountryComboBox::emptyMessage() const
{
    return LocaleMessage::tableEmpty(LocaleInstance::countries(), QStringLiteral("countries.xml"));
}

} // namespace Vexal
