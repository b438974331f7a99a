#include "sites/WidWebsiteComboBox.h"

namespace Vexal {

void WidWebsiteComboBox::reloadAndSelect(int typeFlags, qint64 id)
{
    reload(typeFlags);
    setCurrentId(id);
}

} // namespace Vexal
