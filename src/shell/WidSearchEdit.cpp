#include "shell/WidSearchEdit.h"

namespace Vexal {

WidSearchEdit::WidSearchEdit(QWidget* parent)
    : WidLocationEdit(parent)
{
}

} // namespace Vexal
