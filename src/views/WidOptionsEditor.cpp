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
    : BaseEditor(parent, kind<DBOptions>(nullptr))
{
}

QString WidOptionsEditor::title() const
{
    return LocaleOptions::options();
}

QList<OptionsTabBase*> WidOptionsEditor::pages() const
{
    QList<OptionsTabBase*> all;
    for (OptionsTabBase* page :
         {static_cast<OptionsTabBase*>(m_generalPage), static_cast<OptionsTabBase*>(m_tabsPage),
          static_cast<OptionsTabBase*>(m_contentPage), static_cast<OptionsTabBase*>(m_privacyPage),
          static_cast<OptionsTabBase*>(m_proxyPage)}) {
        if (page)
            all << page;
    }
    return all;
}

bool WidOptionsEditor::journalIsCurrent() const
{
    return m_shortcutJournal && m_tabWidget && m_tabWidget->currentWidget() == m_shortcutJournal;
}

void WidOptionsEditor::open()
{
    if (m_shortcutJournal)
        m_shortcutJournal->open();
}

void WidOptionsEditor::add()
{
    if (journalIsCurrent())
        m_shortcutJournal->add();
}

void WidOptionsEditor::edit()
{
    if (journalIsCurrent())
        m_shortcutJournal->edit();
}

void WidOptionsEditor::remove()
{
    if (journalIsCurrent())
        m_shortcutJournal->remove();
}

void WidOptionsEditor::selectAll()
{
    if (journalIsCurrent())
        m_shortcutJournal->selectAll();
}

void WidOptionsEditor::reload()
{
    if (journalIsCurrent())
        m_shortcutJournal->reload();
}

void WidOptionsEditor::createBody()
{
    m_tabWidget = new QTabWidget(this);
    m_boxLayout->addWidget(m_tabWidget);
}

void WidOptionsEditor::createWidgets()
{
    m_generalPage = new OptionsTabGeneral(this);
    m_generalPage->build();
    m_tabsPage = new OptionsTabTabs(this);
    m_tabsPage->build();
    m_contentPage = new OptionsTabContent(this);
    m_contentPage->build();
    m_privacyPage = new OptionsTabPrivacy(this);
    m_privacyPage->build();
    m_proxyPage = new OptionsTabProxy(OptionsTabProxy::Http, this);
    m_proxyPage->build();

    m_shortcutJournal = new WidUrlShortcutJournal(this);
    m_shortcutJournal->setInit(nullptr);

    m_tabWidget->addTab(m_generalPage, LocaleOptions::general());
    m_tabWidget->addTab(m_tabsPage, LocaleOptions::tabs());
    m_tabWidget->addTab(m_contentPage, LocaleOptions::content());
    m_tabWidget->addTab(m_privacyPage, LocaleOptions::privacy());
    m_tabWidget->addTab(m_proxyPage, LocaleOptions::httpProxy());
    m_tabWidget->addTab(m_shortcutJournal, LocaleOptions::uriShortcuts());
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
    if (m_proxyPage)
        m_proxyPage->hidePassword();
    DBCache::setOptions(options);
    DBCache::reloadShortcuts();
    tabObject()->emitOnStateChanged(this);
    UtilSignalManager::instance()->emitUpdateOptions();
}

} // namespace Vexal
