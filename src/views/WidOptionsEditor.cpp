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

#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Vexal {

WidOptionsEditor::WidOptionsEditor(QWidget* parent)
    : BaseEditor(parent, kind<DBOptions>(nullptr))
{
}

QString WidOptionsEditor::title() const
{
    return LocaleOptions::options();
}

void WidOptionsEditor::open()
{
    if (m_shortcutJournal)
        m_shortcutJournal->open();
}

void WidOptionsEditor::add()
{
    onJournal(&WidUrlShortcutJournal::add);
}

void WidOptionsEditor::edit()
{
    onJournal(&WidUrlShortcutJournal::edit);
}

void WidOptionsEditor::remove()
{
    onJournal(&WidUrlShortcutJournal::remove);
}

void WidOptionsEditor::selectAll()
{
    onJournal(&WidUrlShortcutJournal::selectAll);
}

void WidOptionsEditor::reload()
{
    onJournal(&WidUrlShortcutJournal::reload);
}

void WidOptionsEditor::onJournal(void (WidUrlShortcutJournal::*command)())
{
    if (m_shortcutJournal && m_tabWidget && m_tabWidget->currentWidget() == m_shortcutJournal)
        (m_shortcutJournal->*command)();
}

void WidOptionsEditor::createBody()
{
    m_tabWidget = new QTabWidget(this);
    m_boxLayout->addWidget(m_tabWidget);
}

void WidOptionsEditor::createWidgets()
{
    m_generalPage = new OptionsTabGeneral(this);
    m_tabsPage = new OptionsTabTabs(this);
    m_contentPage = new OptionsTabContent(this);
    m_privacyPage = new OptionsTabPrivacy(this);
    m_proxyPage = new OptionsTabProxy(OptionsTabProxy::Http, this);
    // Each page is one field of the record; its own controls report to the
    // page, the page to the editor.
    for (OptionsTabBase* page : std::initializer_list<OptionsTabBase*>{m_generalPage, m_tabsPage, m_contentPage,
                                                                        m_privacyPage, m_proxyPage}) {
        page->build();
        addField([page](DBBase* r) { page->load(qobject_cast<const DBOptions*>(r)); },
                 [page](DBBase* r) { page->store(qobject_cast<DBOptions*>(r)); }, [page] { page->clear(); },
                 [this, page] {
                     page->connectSignals();
                     return connect(page, &OptionsTabBase::onDirty, this, &BaseEditor::handleDirty);
                 });
    }

    m_shortcutJournal = new WidUrlShortcutJournal(this);
    m_shortcutJournal->setInit(nullptr);

    m_tabWidget->addTab(scrollPage(m_generalPage), LocaleOptions::general());
    m_tabWidget->addTab(scrollPage(m_tabsPage), LocaleOptions::tabs());
    m_tabWidget->addTab(scrollPage(m_contentPage), LocaleOptions::content());
    m_tabWidget->addTab(scrollPage(m_privacyPage), LocaleOptions::privacy());
    m_tabWidget->addTab(scrollPage(m_proxyPage), LocaleOptions::httpProxy());
    m_tabWidget->addTab(m_shortcutJournal, LocaleOptions::uriShortcuts());
}

void WidOptionsEditor::afterSave(DBBase* record)
{
    BaseEditor::afterSave(record);
    const auto* options = qobject_cast<const DBOptions*>(record);
    if (!options) {
        reportInvalidObject(QStringLiteral("db"));
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
