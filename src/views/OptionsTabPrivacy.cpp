#include "views/OptionsTabPrivacy.h"

#include "data/DBOptions.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

namespace Vexal {

namespace {
// LocationBar column values, by item.
const int locationBarValues[] = {2, 4, 8};
} // namespace

OptionsTabPrivacy::OptionsTabPrivacy(QWidget* parent)
    : OptionsTabBase(parent)
{
}

void OptionsTabPrivacy::createWidgets()
{
    QGroupBox* history = addGroup(LocaleOptions::history());
    QGridLayout* historyGrid = createGrid(history);
    m_saveHistory = new QCheckBox(history);
    addRow(historyGrid, LocaleOptions::rememberHistory(), m_saveHistory);
    m_saveDownloadHistory = new QCheckBox(history);
    addRow(historyGrid, LocaleOptions::rememberDownloadsHistory(), m_saveDownloadHistory);
    m_historyPeriod = UtilGui::createSpinBox(1, DBOptions::maxHistoryPeriod, history);
    setMinimumControlWidth(m_historyPeriod);
    addRow(historyGrid, LocaleOptions::rememberHistoryDays(), m_historyPeriod);

    QGroupBox* locationBar = addGroup(LocaleOptions::locationBar());
    QGridLayout* locationGrid = createGrid(locationBar);
    m_locationBar = new QComboBox(locationBar);
    m_locationBar->addItems({LocaleOptions::history(), LocaleOptions::bookmarks(), LocaleOptions::nothing()});
    setMinimumControlWidth(m_locationBar);
    m_locationBar->setEnabled(false);
    addRow(locationGrid, LocaleOptions::locationBarSuggest(), m_locationBar);

    m_pageLayout->addStretch();
}

void OptionsTabPrivacy::load(const DBOptions* options)
{
    if (!options)
        return;
    m_saveHistory->setChecked(options->saveHistory());
    m_saveDownloadHistory->setChecked(options->saveDownloadHistory());
    m_historyPeriod->setValue(options->historyPeriod());
    int item = 0;
    for (int i = 0; i < 3; ++i) {
        if (locationBarValues[i] == options->locationBar())
            item = i;
    }
    m_locationBar->setCurrentIndex(item);
}

void OptionsTabPrivacy::store(DBOptions* options)
{
    if (!options)
        return;
    options->setSaveHistory(m_saveHistory->isChecked());
    options->setSaveDownloadHistory(m_saveDownloadHistory->isChecked());
    options->setHistoryPeriod(m_historyPeriod->value());
    const int item = m_locationBar->currentIndex();
    options->setLocationBar(item >= 0 && item < 3 ? locationBarValues[item] : locationBarValues[0]);
}

void OptionsTabPrivacy::connectSignals()
{
    OptionsTabBase::connectSignals();
    watch(connect(m_saveHistory, &QCheckBox::toggled, this, &OptionsTabBase::handleDirty));
    watch(connect(m_saveDownloadHistory, &QCheckBox::toggled, this, &OptionsTabBase::handleDirty));
    watch(connect(m_historyPeriod, QOverload<int>::of(&QSpinBox::valueChanged), this,
                  &OptionsTabBase::handleDirty));
    watch(connect(m_locationBar, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                  &OptionsTabBase::handleDirty));
}

} // namespace Vexal
