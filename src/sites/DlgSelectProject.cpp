#include "sites/DlgSelectProject.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBProject.h"
#include "data/DBQueryManager.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"
#include "views/UtilReport.h"
#include "views/WidProjectComboBox.h"

#include <QGridLayout>
#include <QLineEdit>

namespace Vexal {

qint64 DlgSelectProject::projectId() const
{
    return m_projectCombo ? m_projectCombo->currentId() : -1;
}

void DlgSelectProject::setProjectId(qint64 id)
{
    if (m_projectCombo)
        m_projectCombo->setCurrentId(id);
}

bool DlgSelectProject::switchToProject(qint64 id, QString* errorText, QString* cause)
{
    // Loading first keeps an unknown id from touching the Active flags.
    DBProject project;
    if (!project.load(id)) {
        if (errorText)
            *errorText = project.errorText();
        if (cause)
            *cause = project.failureCause();
        return false;
    }
    DBQueryManager queries;
    if (!queries.setActiveProject(id)) {
        if (errorText)
            *errorText = queries.errorText();
        if (cause)
            *cause = queries.failureCause();
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
    // The chooser offers nothing after a failed read: it is read again,
    // which shows the choice to make, or the cause in a box (logged by the
    // chooser).
    if (m_projectCombo->loadFailed()) {
        m_projectCombo->refresh();
        m_projectCombo->setCurrentId(DBCache::projectId());
        if (m_projectCombo->loadFailed())
            UtilReport::errorBox(this, QString(), m_projectCombo->failureCause());
        return;
    }
    QString error;
    QString cause;
    if (!switchToProject(projectId(), &error, &cause)) {
        UtilReport::errorBox(this, error, cause);
        return;
    }
    accept();
}

void DlgSelectProject::createWidgets()
{
    m_projectCombo = new WidProjectComboBox(m_body);
    m_projectCombo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_projectCombo->reload();
    m_projectCombo->setCurrentId(DBCache::projectId());
    m_activeEdit = new QLineEdit(DBCache::projectName(), m_body);
    m_activeEdit->setReadOnly(true);
    addRow(LocaleDialog::project(), m_projectCombo);
    addRow(LocaleDialog::active(), m_activeEdit);
    UtilGui::stretchLastRow(m_formLayout);
}

} // namespace Vexal
