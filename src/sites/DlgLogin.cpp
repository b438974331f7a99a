#include "sites/DlgLogin.h"

#include "core/Logger.h"
#include "data/DBCache.h"
#include "data/DBWebsite.h"
#include "widgets/UtilGui.h"
#include "sites/WidAccountComboBox.h"
#include "sites/WidMasterAccountComboBox.h"
#include "sites/WidWebsiteComboBox.h"
#include "sites/WidWebsiteTypeComboBox.h"
#include "texts/LocaleDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace Vexal {

DlgLogin::DlgLogin(QWidget* parent)
    : DlgBase(parent)
{
}

int DlgLogin::websiteId() const
{
    return websiteCombo ? websiteCombo->currentId() : -1;
}

int DlgLogin::accountId() const
{
    return accountCombo ? accountCombo->currentId() : -1;
}

int DlgLogin::masterAccountId() const
{
    return masterAccountCombo ? masterAccountCombo->currentId() : -1;
}

bool DlgLogin::useMasterAccount() const
{
    return masterAccountBox && masterAccountBox->isChecked();
}

bool DlgLogin::isSubmit() const
{
    return submitBox && submitBox->isChecked();
}

void DlgLogin::createWidgets()
{
    const DBWebsite* website = qobject_cast<const DBWebsite*>(argument);

    typeCombo = new WidWebsiteTypeComboBox(body);
    if (website)
        typeCombo->setCurrentType(DBWebsite::firstType(website->type()));
    websiteCombo = new WidWebsiteComboBox(body);
    websiteCombo->reloadAndSelect(typeCombo->currentType(), website ? website->id() : -1);
    accountCombo = new WidAccountComboBox(body);
    reloadAccounts();
    masterAccountBox = new QCheckBox(LocaleDialog::masterAccount(), body);
    masterAccountCombo = new WidMasterAccountComboBox(body);
    masterAccountCombo->reload();
    masterAccountCombo->setEnabled(false);
    submitBox = new QCheckBox(LocaleDialog::submit(), body);
    submitBox->setChecked(true);

    for (QWidget* field : {static_cast<QWidget*>(typeCombo), static_cast<QWidget*>(websiteCombo),
                           static_cast<QWidget*>(accountCombo), static_cast<QWidget*>(masterAccountCombo)})
        field->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::type(), body), typeCombo);
    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::website(), body), websiteCombo);
    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::account(), body), accountCombo);
    UtilGui::addRow(formLayout, new QLabel(QString(), body), masterAccountBox);
    UtilGui::addRow(formLayout, new QLabel(LocaleDialog::masterAccountLabel(), body), masterAccountCombo);
    UtilGui::addRow(formLayout, new QLabel(QString(), body), submitBox);
    UtilGui::stretchLastRow(formLayout);
}

void DlgLogin::connectWidgets()
{
    connect(typeCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &DlgLogin::handleTypeChanged);
    connect(websiteCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DlgLogin::handleWebsiteChanged);
    connect(masterAccountBox, &QCheckBox::toggled, masterAccountCombo, &QWidget::setEnabled);
}

void DlgLogin::handleTypeChanged()
{
    Logger::setContext(className(), LocaleDialog::updateItems());
    const bool blocked = websiteCombo->blockSignals(true);
    websiteCombo->reload(typeCombo->currentType());
    websiteCombo->blockSignals(blocked);
    reloadAccounts();
}

void DlgLogin::handleWebsiteChanged()
{
    Logger::setContext(className(), LocaleDialog::updateItems());
    reloadAccounts();
}

void DlgLogin::reloadAccounts()
{
    const int website = websiteCombo->currentId();
    if (website < 0)
        accountCombo->clear();
    else
        accountCombo->reload(DBCache::projectId(), website);
}

} // namespace Vexal
