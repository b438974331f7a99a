#pragma once

#include "shell/DelegateBase.h"
#include "shell/WidWebTab.h"
#include "views/UtilDialog.h"
#include "widgets/DlgProgress.h"

namespace Vexal {

// Attaches a new side panel of class Panel (built on the command's parent
// widget) to the current web tab; on another kind of tab only the
// web-tabs-only warning.
template <class Panel>
void openPanel(const DelegateBase& command)
{
    if (WidWebTab* webTab = command.currentWebTab())
        webTab->setExtension(new Panel(command.parentWidget()));
}

// Runs the job that makeJob builds on the dialog behind a modal progress
// dialog without parent; the dialog owns the job.
template <class MakeJob>
void runJob(MakeJob makeJob)
{
    DlgProgress dialog;
    dialog.build(makeJob(&dialog));
    UtilDialog::exec(&dialog);
}

} // namespace Vexal
