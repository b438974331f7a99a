#include "texts/LocaleDialog.h"

#include "texts/LocaleBase.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

#define TESVAR_LOCALE_CLASS LocaleDialog
TESVAR_LOCALE_DEFINE(TESVAR_LOCALE_DIALOG_TABLE)
#undef TESVAR_LOCALE_CLASS

QString LocaleDialog::operationFailedHtml(const QString& cause)
{
    const QString text =
        cause.isEmpty() ? LocaleMessage::operationFailed() : LocaleMessage::operationFailedBecause(cause);
    return QStringLiteral("<span style='color:red;'>%1</span>").arg(text.toHtmlEscaped());
}

} // namespace Vexal
