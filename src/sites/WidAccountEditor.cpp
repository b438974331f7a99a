#include "sites/WidAccountEditor.h"

#include "core/Init.h"
#include "core/UtilSignalManager.h"
#include "data/DBAccount.h"
#include "data/DBWebsite.h"
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
    addNameField(LocaleAccount::name());
    typeCombo = new WidWebsiteTypeComboBox(m_body);
    addFieldRow(LocaleBaseWidget::type(), typeCombo);
    websiteCombo = new WidWebsiteComboBox(m_body);
    addFieldRow(LocaleAccount::website(), websiteCombo);
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    // The type only narrows the website chooser; the website is the column.
    watchField([this, indexChanged] {
        return connect(typeCombo, indexChanged, this, [this] {
            handleTypeChanged();
            handleDirty();
        });
    });
    addField(
        [this](DBBase* r) { if (auto* account = qobject_cast<DBAccount*>(r)) showWebsite(account->websiteId()); },
        [this](DBBase* r) {
            if (auto* account = qobject_cast<DBAccount*>(r))
                account->setWebsiteId(websiteCombo->currentId());
        },
        [this] {
            const int type = init() ? init()->type() : 0;
            typeCombo->setCurrentType(type != 0 ? type : defaultType);
            websiteCombo->reloadAndSelect(typeCombo->currentType(), -1);
        },
        [this, indexChanged] { return connect(websiteCombo, indexChanged, this, &BaseEditor::handleDirty); });
    loginEdit = addTextField(LocaleAccount::login(), &DBAccount::login, &DBAccount::setLogin);
    passwordEdit = addPasswordField(LocaleAccount::password(), &DBAccount::password, &DBAccount::setPassword);
    addCommentsField(LocaleAccount::comments());
    finishForm();
}

void WidAccountEditor::showWebsite(qint64 websiteId)
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

} // namespace Vexal
