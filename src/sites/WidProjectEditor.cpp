#include "sites/WidProjectEditor.h"

#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBProject.h"
#include "texts/LocaleProject.h"

namespace Vexal {

WidProjectEditor::WidProjectEditor(QWidget* parent)
    : BaseEditor(parent, kind<DBProject>(LocaleProject::project))
{
}

void WidProjectEditor::createWidgets()
{
    addNameField(LocaleProject::name());
    urlEdit = addTextField(LocaleProject::url(), &DBProject::url, &DBProject::setUrl, LocaleProject::urlPrefix());
    addCommentsField(LocaleProject::comments());
    finishForm();
}

void WidProjectEditor::afterSave(DBBase* record)
{
    BaseEditor::afterSave(record);
    auto* project = qobject_cast<DBProject*>(record);
    if (project && project->id() == DBCache::projectId()) {
        DBCache::setProject(project);
        UtilSignalManager::instance()->emitUpdateProject();
    }
}

} // namespace Vexal
