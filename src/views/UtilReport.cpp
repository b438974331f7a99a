#include "views/UtilReport.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBBase.h"
#include "data/DBListBase.h"
#include "texts/LocaleBaseWidget.h"
#include "texts/LocaleMessage.h"
#include "widgets/UtilGui.h"

namespace Vexal {

void UtilReport::invalidObject(const QString& name)
{
    error(LocaleBaseWidget::invalidObjectState(name));
}

void UtilReport::listError(const DBListBase* list)
{
    if (list)
        error(list->errorText(), list->failureCause());
}

void UtilReport::recordError(const DBBase* record, bool untilClosed)
{
    if (record)
        error(record->errorText(), record->failureCause(), untilClosed);
}

void UtilReport::error(const QString& text, const QString& cause, bool untilClosed)
{
    Logger::error(text);
    UtilSignalManager::instance()->emitError(LocaleMessage::failureFor(cause), untilClosed);
}

void UtilReport::errorBox(QWidget* parent, const QString& text, const QString& cause)
{
    if (!text.isEmpty())
        Logger::error(text);
    UtilGui::warning(parent, LocaleMessage::failureFor(cause));
}

void UtilReport::recordErrorBox(QWidget* parent, const DBBase* record)
{
    if (record)
        errorBox(parent, record->errorText(), record->failureCause());
}

} // namespace Vexal
