#include "sites/WidAccountEditor.h"

#include "core/Init.h"
#include "core/UtilSignalManager.h"
#include "data/DBAccount.h"
#include "data/DBCache.h"
#include "data/DBWebsite.h"
#include "widgets/WidPasswordEdit.h"
#include "sites/WidWebsiteComboBox.h"
#include "sites/WidWebsiteTypeComboBox.h"
#include "texts/LocaleAccount.h"
#include "texts/LocaleBaseWidget.h"

namespace Vexal {

namespace {
constexpr int defaultType = WebsiteType::Email;
}

WidAccountEditor::WidAccountEditor(QWidget* parent)
    : BaseEditor(parent, kind<DBAccount>(LocaleAccount::account))
{
}

void WidAccountEditor::createWidgets()
{
    nameEdit = addNameField(LocaleAccount::name());
    typeCombo = new WidWebsiteTypeComboBox(m_body);
    addFieldRow(LocaleBaseWidget::type(), typeCombo);
    websiteCombo = new WidWebsiteComboBox(m_body);
    addFieldRow(LocaleAccount::website(), websiteCombo);
    loginEdit = addTextField(LocaleAccount::login(), &DBAccount::login, &DBAccount::setLogin);
    passwordEdit = new WidPasswordEdit(m_body);
    addFieldRow(LocaleAccount::password(), passwordEdit);
    addCommentsField(LocaleAccount::comments());
    finishForm();
}

void WidAccountEditor::showWebsite(int websiteId)
{
    int type = 0;
    if (websiteId != -1) {
        DBWebsite website;
        if (website.load(websiteId))
            type = DBWebsite::firstType(website.type());
        else
            reportRecordError(&website);
    }
    typeCombo->setCurrentType(type != 0 ? type : defaultType);
    websiteCombo->reloadAndSelect(typeCombo->currentType(), websiteId);
    if (websiteId != -1 && websiteCombo->currentId() != websiteId)
        websiteCombo->setCurrentIndex(-1);
}

void WidAccountEditor::fillWidgets(DBBase* record)
{
    BaseEditor::fillWidgets(record);
    if (auto* account = qobject_cast<DBAccount*>(record)) {
        showWebsite(account->websiteId());
        passwordEdit->setScrambledText(account->password());
    }
}

void WidAccountEditor::clearWidgets()
{
    BaseEditor::clearWidgets();
    const int type = init() ? init()->type() : 0;
    typeCombo->setCurrentType(type != 0 ? type : defaultType);
    websiteCombo->reloadAndSelect(typeCombo->currentType(), -1);
    passwordEdit->setScrambledText(QString());
}

void WidAccountEditor::storeWidgets(DBBase* record)
{
    BaseEditor::storeWidgets(record);
    auto* account = qobject_cast<DBAccount*>(record);
    if (!account)
        return;
    account->setWebsiteId(websiteCombo->currentId());
    account->setPassword(passwordEdit->scrambledText());
    if (account->projectId() == -1)
        account->setProjectId(DBCache::projectId());
}

bool WidAccountEditor::validate()
{
    if (websiteCombo->currentId() != -1)
        return true;
    UtilSignalManager::instance()->emitWarning(LocaleAccount::selectProperWebsite());
    return false;
}

void WidAccountEditor::handleTypeChanged()
{
    websiteCombo->reload(typeCombo->currentType());
}

void WidAccountEditor::connectWidgets()
{
    BaseEditor::connectWidgets();
    m_connections << connect(typeCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                             &WidAccountEditor::handleTypeChanged);
    m_connections << connect(typeCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                             &BaseEditor::handleDirty);
    m_connections << connect(websiteCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                             &BaseEditor::handleDirty);
    m_connections << connect(passwordEdit, &WidPasswordEdit::textChanged, this, &BaseEditor::handleDirty);
}

void WidAccountEditor::disconnectWidgets()
{
    BaseEditor::disconnectWidgets();
    for (const QMetaObject::Connection& connection : qAsConst(m_connections))
        disconnect(connection);
    m_connections.clear();
}

} // namespace Vexal
