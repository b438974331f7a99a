#include "automation/submit/WidDataSourceComboBox.h"

#include "texts/LocaleInstance.h"

namespace Vexal {

WidDataSourceComboBox::WidDataSourceComboBox(QWidget* parent)
    : QComboBox(parent)
{
}

void WidDataSourceComboBox::fill()
{
    clear();
    addItem(LocaleInstance::masterAccounts(), int(SourceMasterAccounts));
    addItem(LocaleInstance::accounts(), int(SourceAccounts));
    addItem(LocaleInstance::directories(), int(SourceDirectories));
    addItem(LocaleInstance::socialBookmarks(), int(SourceSocialBookmarks));
    addItem(LocaleInstance::spunArticles(), int(SourceSpunArticles));
    setCurrentIndex(0);
}

void WidDataSourceComboBox::selectByCode(int code)
{
    const int index = findData(code);
    if (index >= 0)
        setCurrentIndex(index);
    else if (count() > 0)
        setCurrentIndex(0);
}

int WidDataSourceComboBox::currentCode() const
{
    return currentIndex() < 0 ? 0 : currentData().toInt();
}

} // namespace Vexal
