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

namespace Vexal {

qint64 DlgLogin::websiteId() const
{
    return m_websiteCombo ? m_websiteCombo->currentId() : -1;
}

qint64 DlgLogin::accountId() const
{
    return m_accountCombo ? m_accountCombo->currentId() : -1;
}

qint64 DlgLogin::masterAccountId() const
{
    return m_masterAccountCombo ? m_masterAccountCombo->currentId() : -1;
}

bool DlgLogin::useMasterAccount() const
{
    return m_masterAccountBox && m_masterAccountBox->isChecked();
}

bool DlgLogin::isSubmit() const
{
    return m_submitBox && m_submitBox->isChecked();
}

void DlgLogin::createWidgets()
{
    const DBWebsite* website = qobject_cast<const DBWebsite*>(m_argument);

    m_typeCombo = new WidWebsiteTypeComboBox(m_body);
    if (website)
        m_typeCombo->setCurrentType(DBWebsite::firstType(website->type()));
    m_websiteCombo = new WidWebsiteComboBox(m_body);
    m_websiteCombo->reloadAndSelect(m_typeCombo->currentType(), website ? website->id() : -1);
    m_accountCombo = new WidAccountComboBox(m_body);
    reloadAccounts();
    m_masterAccountBox = new QCheckBox(LocaleDialog::masterAccount(), m_body);
    m_masterAccountCombo = new WidMasterAccountComboBox(m_body);
    m_masterAccountCombo->reload();
    m_masterAccountCombo->setEnabled(false);
    m_submitBox = new QCheckBox(LocaleDialog::submit(), m_body);
    m_submitBox->setChecked(true);

    for (QWidget* field : {static_cast<QWidget*>(m_typeCombo), static_cast<QWidget*>(m_websiteCombo),
                           static_cast<QWidget*>(m_accountCombo), static_cast<QWidget*>(m_masterAccountCombo)})
        field->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);

    addRow(LocaleDialog::type(), m_typeCombo);
    addRow(LocaleDialog::website(), m_websiteCombo);
    addRow(LocaleDialog::account(), m_accountCombo);
    addRow(QString(), m_masterAccountBox);
    addRow(LocaleDialog::masterAccountLabel(), m_masterAccountCombo);
    addRow(QString(), m_submitBox);
    UtilGui::stretchLastRow(m_formLayout);
}

void DlgLogin::connectWidgets()
{
    connect(m_typeCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &DlgLogin::handleTypeChanged);
    connect(m_websiteCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DlgLogin::handleWebsiteChanged);
    connect(m_masterAccountBox, &QCheckBox::toggled, m_masterAccountCombo, &QWidget::setEnabled);
}

void DlgLogin::handleTypeChanged()
{
    Logger::setContext(className(), LocaleDialog::updateItems());
    const bool blocked = m_websiteCombo->blockSignals(true);
    m_websiteCombo->reload(m_typeCombo->currentType());
    m_websiteCombo->blockSignals(blocked);
    reloadAccounts();
}

void DlgLogin::handleWebsiteChanged()
{
    Logger::setContext(className(), LocaleDialog::updateItems());
    reloadAccounts();
}

void DlgLogin::reloadAccounts()
{
    const qint64 website = m_websiteCombo->currentId();
    if (website < 0)
        m_accountCombo->clear();
    else
        m_accountCombo->reload(DBCache::projectId(), website);
}

} // namespace Vexal
