#include "views/OptionsTabPrivacy.h"

#include "core/DBSql.h"
#include "data/DBOptions.h"
#include "texts/LocaleOptions.h"

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

void OptionsTabPrivacy::createWidgets()
{
    QGroupBox* history = addGroup(LocaleOptions::history());
    QGridLayout* historyGrid = createGrid(history);
    m_saveHistory = addCheckRow(historyGrid, LocaleOptions::rememberHistory(), &DBOptions::saveHistory,
                                &DBOptions::setSaveHistory);
    m_saveDownloadHistory = addCheckRow(historyGrid, LocaleOptions::rememberDownloadsHistory(),
                                        &DBOptions::saveDownloadHistory, &DBOptions::setSaveDownloadHistory);
    m_historyPeriod = addSpinRow(historyGrid, LocaleOptions::rememberHistoryDays(), &DBSql::colHistoryPeriod);
    setMinimumControlWidth(m_historyPeriod);

    QGroupBox* locationBar = addGroup(LocaleOptions::locationBar());
    QGridLayout* locationGrid = createGrid(locationBar);
    m_locationBar = new QComboBox(locationBar);
    m_locationBar->addItems({LocaleOptions::history(), LocaleOptions::bookmarks(), LocaleOptions::nothing()});
    setMinimumControlWidth(m_locationBar);
    m_locationBar->setEnabled(false);
    addRow(locationGrid, LocaleOptions::locationBarSuggest(), m_locationBar);
    addBinding(
        [this](const DBOptions* options) {
            int item = 0;
            for (int i = 0; i < 3; ++i) {
                if (locationBarValues[i] == options->locationBar())
                    item = i;
            }
            m_locationBar->setCurrentIndex(item);
        },
        [this](DBOptions* options) {
            const int item = m_locationBar->currentIndex();
            options->setLocationBar(item >= 0 && item < 3 ? locationBarValues[item] : locationBarValues[0]);
        },
        [this] {
            return connect(m_locationBar, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                           &OptionsTabBase::handleDirty);
        });

    m_pageLayout->addStretch();
}

} // namespace Vexal
