#include "content/WidLanguageComboBox.h"

#include "content/DBLanguageList.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

WidLanguageComboBox::WidLanguageComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
}

void WidLanguageComboBox::reload()
{
    DBLanguageList languages;
    fill(&languages, true);
}

QString WidLanguageComboBox::emptyMessage() const
{
    return LocaleMessage::tableEmpty(LocaleInstance::languages(), QStringLiteral("languages.xml"));
}

} // namespace Vexal
