#pragma once

// Drives the spinner dialog the way a user does: asks for `count` spun
// articles, starts the job, waits for it and closes the dialog. Any other
// dialog is cancelled. Runs counts the spinner dialogs answered.

#include "content/DlgSpinner.h"
#include "content/ThreadSpinner.h"
#include "views/UtilDialog.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QSpinBox>

namespace SpinnerDriver {

inline void answerSpinner(int count, int* runs = nullptr)
{
    Vexal::UtilDialog::setRunner([count, runs](QDialog* dialog) {
        auto* spinner = qobject_cast<Vexal::DlgSpinner*>(dialog);
        if (!spinner || !spinner->job())
            return int(QDialog::Rejected);
        if (runs)
            ++*runs;
        spinner->countBox()->setValue(count);
        spinner->startButton()->click();
        spinner->job()->wait();
        QCoreApplication::processEvents();
        spinner->startButton()->click(); // Close
        return spinner->result();
    });
}

} // namespace SpinnerDriver
