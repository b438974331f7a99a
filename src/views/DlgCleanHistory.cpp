#include "views/DlgCleanHistory.h"

#include "data/DBQueryManager.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QTime>
#include <QUrl>

namespace Vexal {

void DlgCleanHistory::createWidgets()
{
    periodBox = new QComboBox(m_body);
    periodBox->addItems({LocaleDialog::lastHour(), LocaleDialog::lastTwoHours(), LocaleDialog::lastFourHours(),
                         LocaleDialog::today(), LocaleDialog::everything(), LocaleDialog::custom()});
    periodBox->setCurrentIndex(0);
    addRow(LocaleDialog::timeRange(), periodBox);

    hoursBox = UtilGui::createSpinBox(1, maxHours, m_body);
    hoursBox->setEnabled(false);
    addRow(LocaleDialog::inHours(), hoursBox);

    hostCheck = new QCheckBox(LocaleDialog::singleWebsite(), m_body);
    hostEdit = new QLineEdit(m_body);
    hostEdit->setEnabled(false);
    UtilGui::addRow(m_formLayout, hostCheck, hostEdit);
}

void DlgCleanHistory::connectWidgets()
{
    DlgBase::connectWidgets();
    connect(periodBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DlgCleanHistory::handleIndexChanged);
    connect(hostCheck, &QCheckBox::clicked, this, &DlgCleanHistory::handleHostChanged);
}

void DlgCleanHistory::handleIndexChanged(int index)
{
    hoursBox->setEnabled(index == periodBox->count() - 1);
    switch (index) {
    case DBQueryManager::PeriodLastTwoHours:
        hoursBox->setValue(2);
        break;
    case DBQueryManager::PeriodLastFourHours:
        hoursBox->setValue(4);
        break;
    case DBQueryManager::PeriodToday:
        hoursBox->setValue(qMax(1, QTime::currentTime().hour()));
        break;
    case DBQueryManager::PeriodEverything:
        hoursBox->setValue(maxHours);
        break;
    default:
        hoursBox->setValue(1);
        break;
    }
}

void DlgCleanHistory::handleHostChanged()
{
    hostEdit->setEnabled(hostCheck->isChecked());
}

void DlgCleanHistory::setUrl(const QUrl& url)
{
    hostEdit->setText(url.host());
}

QString DlgCleanHistory::host() const
{
    return hostCheck->isChecked() ? hostEdit->text() : QString();
}

int DlgCleanHistory::hours() const
{
    return hoursBox->value();
}

int DlgCleanHistory::period() const
{
    const int index = periodBox->currentIndex();
    return index >= 0 && index <= DBQueryManager::PeriodEverything ? index : DBQueryManager::PeriodLastHours;
}

} // namespace Vexal
