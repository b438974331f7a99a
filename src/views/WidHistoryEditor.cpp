#include "views/WidHistoryEditor.h"

#include "data/DBHistory.h"
#include "texts/LocaleHistory.h"

namespace Vexal {

WidHistoryEditor::WidHistoryEditor(QWidget* parent)
    : BasePageEditor(parent, kind<DBHistory>(LocaleHistory::history))
{
}

} // namespace Vexal
