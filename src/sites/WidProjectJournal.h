#pragma once

#include "sites/BaseActiveJournal.h"
#include "sites/DlgSelectProject.h"
#include "sites/WidProjectEditor.h"
#include "sites/WidProjectTable.h"
#include "texts/LocaleProject.h"

namespace Vexal {

// The projects journal. Select makes the selected project the current one.
class WidProjectJournal final
    : public BaseActiveJournal<WidProjectTable, WidProjectEditor, &LocaleProject::projects, &LocaleProject::select,
                               &DlgSelectProject::switchToProject>
{
    Q_OBJECT
public:
    using BaseActiveJournal::BaseActiveJournal;

protected:
    // The current project is never deleted: the program files new records
    // under it and names it in the status bar.
    bool mayDelete(const QString& condition) override;
    // Names how many records of each kind the projects take with them.
    QString deleteQuestion(const QString& condition, int count) override;
    // The projects and the records they own, in one transaction.
    bool deleteRows(const QString& condition, DBListBase* list) override;
};

} // namespace Vexal
