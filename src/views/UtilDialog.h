#pragma once

#include <functional>

class QDialog;

namespace Vexal {

// Runs the program's own modal dialogs (column set-up, filter, record
// dialogs) through one replaceable runner. The default runner calls exec();
// tests install one that fills the dialog, accepts or rejects it and returns
// its result, so that nothing waits on a modal loop.
class UtilDialog final
{
public:
    using Runner = std::function<int(QDialog*)>;

    UtilDialog() = delete;

    // The dialog's result (QDialog::Accepted or Rejected).
    static int exec(QDialog* dialog);
    // An empty runner restores the default one.
    static void setRunner(Runner runner);
};

} // namespace Vexal
