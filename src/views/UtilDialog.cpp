#include "views/UtilDialog.h"

#include "core/UtilPrompt.h"
#include "views/UtilReport.h"

#include <QDialog>
#include <QString>

namespace Vexal {

namespace {

UtilDialog::Runner& runner()
{
    static UtilDialog::Runner current;
    return current;
}

} // namespace

int UtilDialog::exec(QDialog* dialog)
{
    // A closing program opens no dialog.
    if (!dialog || UtilPrompt::isClosing())
        return QDialog::Rejected;
    if (runner())
        return runner()(dialog);
    return dialog->exec();
}

bool UtilDialog::execUntilStored(QDialog* dialog, const Store& store)
{
    while (exec(dialog) == QDialog::Accepted) {
        QString error;
        QString cause;
        if (store(error, cause))
            return true;
        UtilReport::errorBox(dialog->parentWidget(), error, cause);
    }
    return false;
}

void UtilDialog::setRunner(Runner value)
{
    runner() = std::move(value);
}

} // namespace Vexal
