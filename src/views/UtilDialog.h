#pragma once

#include <functional>

class QDialog;
class QString;

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
    // What OK of a dialog asks stored: true when stored, false (with the
    // failure's text for the log and its cause) when not.
    using Store = std::function<bool(QString& error, QString& cause)>;
    // Runs a dialog whose OK stores what the user typed. A failed store is
    // named in a box (UtilReport::errorBox) and the dialog opens again on what
    // was typed, until it is stored (true) or cancelled (false).
    static bool execUntilStored(QDialog* dialog, const Store& store);
    // An empty runner restores the default one.
    static void setRunner(Runner runner);
};

} // namespace Vexal
