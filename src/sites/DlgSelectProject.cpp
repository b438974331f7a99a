#include "sites/DlgSelectProject.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBProject.h"
#include "data/DBQueryManager.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"
#include "views/WidProjectComboBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace Vexal {

DlgSelectProject::DlgSelectProject(QWidget* parent)
    : DlgBase(parent)
{
}

int DlgSelectProject::projectId() const
{
    return projectCombo ? projectCombo->currentId() : -1;
}

void DlgSelectProject::setProjectId(int id)
{
    if (projectCombo)
        projectCombo->setCurrentId(id);
}

bool DlgSelectProject::switchToProject(int id, QString* errorText)
{
    // Loading first keeps an unknown id from touching the Active flags.
    DBProject project;
    if (!project.load(id)) {
        if (errorText)
            *errorText = project.errorText();
        return false;
    }
    DBQueryManager queries;
    if (!queries.setActiveProject(id)) {
        if (errorText)
            *errorText = queries.errorText();
        return false;
    }
    // The label and the quick login read the cache: it is filled before the
    // hub tells anyone.
    DBCache::setProject(&project);
    UtilSignalManager::instance()->emitUpdateProject();
    return true;
}

void DlgSelectProject::slotAccept()
{
    Logger::setContext(className(), LocaleDialog::accept());
    if (!validate())
        return;
    QString error;
    if (!switchToProject(projectId(), &error)) {
        Logger::error(error);
        UtilSignalManager::instance()->emitError(LocaleDialog::unexpectedError());
        return;
    }
    accept();
}

void DlgSelectProject::createWidgets()
{
    projectCombo = new WidProjectComboBox(body);
    projectCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    projectCombo->reload();
    projectCombo->setCurrentId(DBCache::projectId());
    activeEdit = new QLineEdit(DBCache::projectName(), body);
    activeEdit->setReadOnly(true);
    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::project(), body), projectCombo);
    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::active(), body), activeEdit);
    UtilGui::stretchLastRow(formLayout);
}

} // namespace Vexal
