#include "sites/WidWebsiteComboBox.h"

namespace Vexal {

void WidWebsiteComboBox::reloadAndSelect(int typeFlags, int id)
{
    reload(typeFlags);
    setCurrentId(id);
}

} // namespace Vexal
