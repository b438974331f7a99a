#include "views/OptionsTabTabs.h"

#include "core/DBSql.h"
#include "data/DBOptions.h"
#include "texts/LocaleOptions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

namespace Vexal {

void OptionsTabTabs::createWidgets()
{
    QGroupBox* group = addGroup(LocaleOptions::tabs());
    QGridLayout* grid = createGrid(group);
    m_warnClosing = addCheckRow(grid, LocaleOptions::warnClosingTabs(), &DBOptions::warnTabsClosing,
                                &DBOptions::setWarnTabsClosing);
    m_reloadAll = addCheckRow(grid, LocaleOptions::reloadAllTabsOnStartup(), &DBOptions::reloadAllTabs,
                              &DBOptions::setReloadAllTabs);
    m_reloadAll->setEnabled(false);
    m_focusNewTab =
        addCheckRow(grid, LocaleOptions::activateNewTab(), &DBOptions::focusNewTab, &DBOptions::setFocusNewTab);
    m_maxTabs = addSpinRow(grid, LocaleOptions::maxOpenedTabs(), &DBSql::colMaxOpenedTabs);
    setMinimumControlWidth(m_maxTabs);
    m_pageLayout->addStretch();
}

} // namespace Vexal
