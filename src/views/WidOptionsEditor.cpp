#include "views/WidOptionsEditor.h"

#include "core/UtilSignalManager.h"
#include "data/DBCache.h"
#include "data/DBOptions.h"
#include "shell/BaseTabObject.h"
#include "texts/LocaleOptions.h"
#include "views/OptionsTabContent.h"
#include "views/OptionsTabGeneral.h"
#include "views/OptionsTabPrivacy.h"
#include "views/OptionsTabProxy.h"
#include "views/OptionsTabTabs.h"
#include "views/WidUrlShortcutJournal.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace Vexal {

namespace {
const QString dbObject = QStringLiteral("db");
} // namespace

WidOptionsEditor::WidOptionsEditor(QWidget* parent)
    : BaseEditor(parent)
{
}

QString WidOptionsEditor::title() const
{
    return LocaleOptions::options();
}

QList<OptionsTabBase*> WidOptionsEditor::pages() const
{
    QList<OptionsTabBase*> all;
    for (OptionsTabBase* page : {static_cast<OptionsTabBase*>(generalPage), static_cast<OptionsTabBase*>(tabsPage),
                                 static_cast<OptionsTabBase*>(contentPage), static_cast<OptionsTabBase*>(privacyPage),
                                 static_cast<OptionsTabBase*>(proxyPage)}) {
        if (page)
            all << page;
    }
    return all;
}

bool WidOptionsEditor::journalIsCurrent() const
{
    return shortcutJournal && tabWidget && tabWidget->currentWidget() == shortcutJournal;
}

void WidOptionsEditor::open()
{
    if (shortcutJournal)
        shortcutJournal->open();
}

void WidOptionsEditor::add()
{
    if (journalIsCurrent())
        shortcutJournal->add();
}

void WidOptionsEditor::edit()
{
    if (journalIsCurrent())
        shortcutJournal->edit();
}

void WidOptionsEditor::remove()
{
    if (journalIsCurrent())
        shortcutJournal->remove();
}

void WidOptionsEditor::selectAll()
{
    if (journalIsCurrent())
        shortcutJournal->selectAll();
}

void WidOptionsEditor::reload()
{
    if (journalIsCurrent())
        shortcutJournal->reload();
}

void WidOptionsEditor::createBody()
{
    tabWidget = new QTabWidget(this);
    boxLayout->addWidget(tabWidget);
}

void WidOptionsEditor::createWidgets()
{
    generalPage = new OptionsTabGeneral(this);
    generalPage->build();
    tabsPage = new OptionsTabTabs(this);
    tabsPage->build();
    contentPage = new OptionsTabContent(this);
    contentPage->build();
    privacyPage = new OptionsTabPrivacy(this);
    privacyPage->build();
    proxyPage = new OptionsTabProxy(OptionsTabProxy::Http, this);
    proxyPage->build();

    shortcutJournal = new WidUrlShortcutJournal(this);
    shortcutJournal->setInit(nullptr);

    tabWidget->addTab(generalPage, LocaleOptions::general());
    tabWidget->addTab(tabsPage, LocaleOptions::tabs());
    tabWidget->addTab(contentPage, LocaleOptions::content());
    tabWidget->addTab(privacyPage, LocaleOptions::privacy());
    tabWidget->addTab(proxyPage, LocaleOptions::httpProxy());
    tabWidget->addTab(shortcutJournal, LocaleOptions::uriShortcuts());
}

DBBase* WidOptionsEditor::createRecord()
{
    return new DBOptions(this);
}

void WidOptionsEditor::disconnectWidgets()
{
    for (OptionsTabBase* page : pages()) {
        page->disconnectSignals();
        disconnect(page, &OptionsTabBase::onDirty, this, &BaseEditor::handleDirty);
    }
}

void WidOptionsEditor::fillWidgets(DBBase* record)
{
    const auto* options = qobject_cast<const DBOptions*>(record);
    if (!options) {
        reportInvalidObject(dbObject);
        return;
    }
    for (OptionsTabBase* page : pages())
        page->load(options);
}

void WidOptionsEditor::clearWidgets()
{
    for (OptionsTabBase* page : pages())
        page->clear();
}

void WidOptionsEditor::connectWidgets()
{
    for (OptionsTabBase* page : pages()) {
        page->connectSignals();
        connect(page, &OptionsTabBase::onDirty, this, &BaseEditor::handleDirty, Qt::UniqueConnection);
    }
}

void WidOptionsEditor::storeWidgets(DBBase* record)
{
    auto* options = qobject_cast<DBOptions*>(record);
    if (!options) {
        reportInvalidObject(dbObject);
        return;
    }
    for (OptionsTabBase* page : pages())
        page->store(options);
}

void WidOptionsEditor::afterSave(DBBase* record)
{
    BaseEditor::afterSave(record);
    const auto* options = qobject_cast<const DBOptions*>(record);
    if (!options) {
        reportInvalidObject(dbObject);
        return;
    }
    if (proxyPage)
        proxyPage->hidePassword();
    DBCache::setOptions(options);
    DBCache::reloadShortcuts();
    tabObject()->emitOnStateChanged(this);
    UtilSignalManager::instance()->emitUpdateOptions();
}

} // namespace Vexal
