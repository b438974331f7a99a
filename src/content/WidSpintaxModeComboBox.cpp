#include "content/WidSpintaxModeComboBox.h"

#include "content/SPNSpintax.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleArticle.h"

#include <QIcon>

namespace Vexal {

WidSpintaxModeComboBox::WidSpintaxModeComboBox(QWidget* parent)
    : BaseComboBox(parent)
{
    reload();
}

void WidSpintaxModeComboBox::reload()
{
    clear();
    addItem(QIcon(ConstIcon::extreme(16)), LocaleArticle::extreme(), int(SPNSpintax::Extreme));
    addItem(QIcon(ConstIcon::advanced(16)), LocaleArticle::advance(), int(SPNSpintax::Advance));
    addItem(QIcon(ConstIcon::classic(16)), LocaleArticle::classic(), int(SPNSpintax::Classic));
    setCurrentMode(SPNSpintax::Extreme);
}

void WidSpintaxModeComboBox::setCurrentMode(int mode)
{
    setCurrentId(SPNSpintax::normalizedDialect(mode));
}

} // namespace Vexal
