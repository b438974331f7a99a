#include "content/WidLanguageComboBox.h"

#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

QString WidLanguageComboBox::emptyMessage() const
{
    return LocaleMessage::tableEmpty(LocaleInstance::languages(), QStringLiteral("languages.xml"));
}

} // namespace Vexal
