#include "views/UtilDialog.h"

#include "core/UtilPrompt.h"

#include <QDialog>

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

void UtilDialog::setRunner(Runner value)
{
    runner() = std::move(value);
}

} // namespace Vexal
