#include "views/OptionsTabTabs.h"

#include "data/DBOptions.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleOptions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

namespace Vexal {

OptionsTabTabs::OptionsTabTabs(QWidget* parent)
    : OptionsTabBase(parent)
{
}

void OptionsTabTabs::createWidgets()
{
    QGroupBox* group = addGroup(LocaleOptions::tabs());
    QGridLayout* grid = createGrid(group);
    m_warnClosing = new QCheckBox(group);
    addRow(grid, LocaleOptions::warnClosingTabs(), m_warnClosing);
    m_reloadAll = new QCheckBox(group);
    m_reloadAll->setEnabled(false);
    addRow(grid, LocaleOptions::reloadAllTabsOnStartup(), m_reloadAll);
    m_focusNewTab = new QCheckBox(group);
    addRow(grid, LocaleOptions::activateNewTab(), m_focusNewTab);
    m_maxTabs = UtilGui::createSpinBox(DBOptions::minOpenedTabs, DBOptions::maxOpenedTabsLimit, group);
    setMinimumControlWidth(m_maxTabs);
    addRow(grid, LocaleOptions::maxOpenedTabs(), m_maxTabs);
    m_pageLayout->addStretch();
}

void OptionsTabTabs::load(const DBOptions* options)
{
    if (!options)
        return;
    m_warnClosing->setChecked(options->warnTabsClosing());
    m_reloadAll->setChecked(options->reloadAllTabs());
    m_focusNewTab->setChecked(options->focusNewTab());
    m_maxTabs->setValue(options->maxOpenedTabs());
}

void OptionsTabTabs::store(DBOptions* options)
{
    if (!options)
        return;
    options->setWarnTabsClosing(m_warnClosing->isChecked());
    options->setReloadAllTabs(m_reloadAll->isChecked());
    options->setFocusNewTab(m_focusNewTab->isChecked());
    options->setMaxOpenedTabs(m_maxTabs->value());
}

void OptionsTabTabs::connectSignals()
{
    OptionsTabBase::connectSignals();
    watch(connect(m_warnClosing, &QCheckBox::toggled, this, &OptionsTabBase::handleDirty));
    watch(connect(m_reloadAll, &QCheckBox::toggled, this, &OptionsTabBase::handleDirty));
    watch(connect(m_focusNewTab, &QCheckBox::toggled, this, &OptionsTabBase::handleDirty));
    watch(connect(m_maxTabs, QOverload<int>::of(&QSpinBox::valueChanged), this, &OptionsTabBase::handleDirty));
}

} // namespace Vexal
