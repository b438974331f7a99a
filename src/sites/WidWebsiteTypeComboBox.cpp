#include "sites/WidWebsiteTypeComboBox.h"

#include "data/DBWebsite.h"

namespace Vexal {

WidWebsiteTypeComboBox::WidWebsiteTypeComboBox(QWidget* parent)
    : QComboBox(parent)
{
    fill();
}

QList<int> WidWebsiteTypeComboBox::typeOrder()
{
    using T = WebsiteType::Flag;
    return {T::Email,       T::UserDefined, T::Articles,        T::Blogs,
            T::Directories, T::Forums,      T::SocialBookmarks, T::VideoDirectories};
}

void WidWebsiteTypeComboBox::fill()
{
    clear();
    for (int flag : typeOrder())
        addItem(DBWebsite::typeText(flag), flag);
    setCurrentIndex(0);
}

void WidWebsiteTypeComboBox::setCurrentType(int flag)
{
    const int index = findData(flag);
    setCurrentIndex(index >= 0 ? index : (count() > 0 ? 0 : -1));
}

int WidWebsiteTypeComboBox::currentType() const
{
    const int index = currentIndex();
    return index < 0 ? 0 : itemData(index).toInt();
}

} // namespace Vexal
