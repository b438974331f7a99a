#include "sites/DlgCreateMasterAccount.h"

#include "content/DBLanguageList.h"
#include "core/ConstApp.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBMasterAccount.h"
#include "core/DBSql.h"
#include "widgets/UtilGui.h"
#include "sites/DBCountryList.h"
#include "sites/RandomIdentity.h"
#include "texts/LocaleDialog.h"
#include "texts/LocaleMessage.h"
#include "views/BaseComboBox.h"
#include "views/UtilReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <utility>

namespace Vexal {

namespace {

// The chooser's entry named preferred becomes the current one, where it has one.
void selectPreferred(BaseComboBox* combo, const QString& preferred)
{
    const int index = combo->findText(preferred);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

// Fills the chooser from the list and selects the entry named preferred; an
// empty table leaves that one entry without an id. A read that failed leaves
// the chooser empty: the table may hold rows.
void fillChooser(BaseComboBox* combo, std::unique_ptr<DBListBase> list, const QString& preferred)
{
    const auto offerPreferred = [combo, preferred] {
        if (combo->count() > 0 || combo->loadFailed())
            return false;
        combo->addItem(preferred, -1);
        combo->setCurrentIndex(0);
        return true;
    };
    // The box fills itself again when its table changes while the dialog is
    // open; still empty, it offers the entry again.
    QObject::connect(combo, &BaseComboBox::onRefreshed, combo, offerPreferred);
    QObject::connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), combo, offerPreferred);
    combo->fill(std::move(list));
    if (offerPreferred())
        return;
    selectPreferred(combo, preferred);
}

} // namespace

DBMasterAccount* DlgCreateMasterAccount::masterAccount() const
{
    return m_account.data();
}

int DlgCreateMasterAccount::gender() const
{
    return m_genderCombo ? m_genderCombo->currentData().toInt() : 1;
}

qint64 DlgCreateMasterAccount::countryId() const
{
    return m_countryCombo ? m_countryCombo->currentId() : -1;
}

qint64 DlgCreateMasterAccount::languageId() const
{
    return m_languageCombo ? m_languageCombo->currentId() : -1;
}

bool DlgCreateMasterAccount::isAgreed() const
{
    return m_agreeBox && m_agreeBox->isChecked();
}

void DlgCreateMasterAccount::slotAccept()
{
    Logger::setContext(className(), LocaleDialog::accept());
    if (!validate())
        return;
    if (!choosersRead() || !identityTablesFilled() || !createAccount())
        return;
    accept();
}

void DlgCreateMasterAccount::slotTerms()
{
    Logger::setContext(className(), LocaleDialog::terms());
    UtilSignalManager::instance()->emitLoad(QUrl(ConstApp::termsUrl()), true, true);
}

void DlgCreateMasterAccount::createWidgets()
{
    m_account = qobject_cast<DBMasterAccount*>(m_argument);
    if (!m_account)
        m_account = new DBMasterAccount(this);

    m_genderCombo = new QComboBox(m_body);
    m_genderCombo->addItem(LocaleDialog::male(), 1);
    m_genderCombo->addItem(LocaleDialog::female(), 0);
    m_countryCombo = new BaseComboBox(m_body);
    fillChooser(m_countryCombo, std::make_unique<DBCountryList>(), LocaleDialog::usa());
    m_languageCombo = new BaseComboBox(m_body);
    fillChooser(m_languageCombo, std::make_unique<DBLanguageList>(), LocaleDialog::english());
    m_agreeBox = new QCheckBox(LocaleDialog::agreeWithTerms(), m_body);
    m_termsButton = new QPushButton(LocaleDialog::terms(), m_body);

    addRow(LocaleDialog::gender(), m_genderCombo);
    addRow(LocaleDialog::country(), m_countryCombo);
    addRow(LocaleDialog::language(), m_languageCombo);
    addRow(QString(), m_agreeBox);
    addRow(QString(), m_termsButton);
    UtilGui::stretchLastRow(m_formLayout);
}

void DlgCreateMasterAccount::connectWidgets()
{
    m_okButton->setEnabled(false);
    connect(m_agreeBox, &QCheckBox::toggled, m_okButton, &QWidget::setEnabled);
    connect(m_termsButton, &QPushButton::clicked, this, &DlgCreateMasterAccount::slotTerms);
}

bool DlgCreateMasterAccount::validate()
{
    return isAgreed() && m_account;
}

bool DlgCreateMasterAccount::identityTablesFilled()
{
    RandomIdentity identity;
    const QString table = identity.emptyTable(languageId(), countryId(), gender() != 0);
    if (!identity.errorText().isEmpty()) {
        // Logged by the identity.
        UtilReport::errorBox(this, QString(), identity.failureCause());
        return false;
    }
    if (table.isEmpty())
        return true;
    const QString title = RandomIdentity::tableTitle(table);
    const QString file = RandomIdentity::systemFileName(table);
    // Languages and countries are chosen here: none to choose means the
    // whole table is empty. The other tables lack rows for the choice, which
    // the refusal names.
    QString missing;
    const QString language = m_languageCombo->currentText();
    if (table == DBSql::tableFirstName())
        missing = gender() != 0 ? LocaleMessage::identityMaleNamesMissing(language)
                                : LocaleMessage::identityFemaleNamesMissing(language);
    else if (table == DBSql::tableLastName())
        missing = LocaleMessage::identityNamesMissing(language);
    else if (table == DBSql::tableCity() || table == DBSql::tableAddress())
        missing = LocaleMessage::identityCountryRowsMissing(m_countryCombo->currentText());
    UtilGui::warning(this, missing.isEmpty() ? LocaleMessage::identityTableMissing(title, file)
                                             : LocaleMessage::identityTableEmpty(title, missing, file));
    return false;
}

bool DlgCreateMasterAccount::choosersRead()
{
    bool read = true;
    const std::pair<BaseComboBox*, QString> choosers[] = {{m_countryCombo, LocaleDialog::usa()},
                                                          {m_languageCombo, LocaleDialog::english()}};
    QString cause;
    bool stillUnread = false;
    for (const auto& chooser : choosers) {
        if (!chooser.first->loadFailed())
            continue;
        read = false;
        chooser.first->refresh();
        selectPreferred(chooser.first, chooser.second);
        if (chooser.first->loadFailed() && !stillUnread) {
            stillUnread = true;
            cause = chooser.first->failureCause();
        }
    }
    // Logged by the chooser.
    if (stillUnread)
        UtilReport::errorBox(this, QString(), cause);
    return read;
}

bool DlgCreateMasterAccount::createAccount()
{
    DBMasterAccount* account = m_account.data();
    RandomIdentity identity;
    if (!identity.fill(account, languageId(), countryId(), gender())) {
        // Logged by the identity.
        UtilReport::errorBox(this, QString(), identity.failureCause());
        return false;
    }
    if (!account->save()) {
        UtilReport::recordErrorBox(this, account);
        return false;
    }
    return true;
}

} // namespace Vexal
