#include "sites/WidWebsiteJournal.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "core/SyncManager.h"
#include "core/UtilSignalManager.h"
#include "data/DBWebsite.h"
#include "sites/SiteCommands.h"
#include "sites/WidSiteToolbar.h"
#include "sites/WidWebsiteEditor.h"
#include "sites/WidWebsiteTable.h"
#include "sites/WidWebsiteTree.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleWebsite.h"

#include <QItemSelectionModel>
#include <QUrl>
#include <QVBoxLayout>

namespace Vexal {

namespace {
const int pageCommands[] = {SiteCommands::HomePage, SiteCommands::LoginPage, SiteCommands::RegistrationPage,
                            SiteCommands::UserPage};
}

WidWebsiteJournal::WidWebsiteJournal(QWidget* parent)
    : BaseJournalTree(parent)
{
}

QString WidWebsiteJournal::title() const
{
    return LocaleWebsite::websites();
}

void WidWebsiteJournal::createToolbar()
{
    m_toolbar = new WidSiteToolbar(m_syncManager,
                                   {{ConstIcon::home(32), LocaleWebsite::homePage(), SiteCommands::HomePage},
                                    {ConstIcon::login(32), LocaleWebsite::loginPage(), SiteCommands::LoginPage},
                                    {ConstIcon::registerIcon(32), LocaleWebsite::registrationPage(),
                                     SiteCommands::RegistrationPage},
                                    {ConstIcon::webPage(32), LocaleWebsite::userPage(), SiteCommands::UserPage}},
                                   this);
    m_toolbar->build();
    m_boxLayout->addWidget(m_toolbar);
}

void WidWebsiteJournal::connectToolbar()
{
    BaseJournalTree::connectToolbar();
    connect(static_cast<WidSiteToolbar*>(m_toolbar), &WidSiteToolbar::onCommand, this,
            &WidWebsiteJournal::slotOpenPage);
}

void WidWebsiteJournal::createTree()
{
    m_tree = new WidWebsiteTree(m_syncManager, this);
    installTree(m_tree);
}

void WidWebsiteJournal::createTable()
{
    m_table = new WidWebsiteTable(m_syncManager, this);
    installTable(m_table);
}

void WidWebsiteJournal::connectTable()
{
    BaseJournalTree::connectTable();
    connect(m_table, &WidWebsiteTable::onPage, this, &WidWebsiteJournal::slotOpenPage);
}

QWidget* WidWebsiteJournal::createEditor(QWidget* parent)
{
    return new WidWebsiteEditor(parent);
}

Init* WidWebsiteJournal::createInit(QObject* parent)
{
    auto* init = new Init(parent);
    init->setType(m_tree ? m_tree->currentType() : 0);
    return init;
}

void WidWebsiteJournal::handleTreeSelectionChanged()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleWebsite::selectionChanged());
    if (m_table && m_tree)
        m_table->setType(m_tree->currentType());
}

void WidWebsiteJournal::slotSelectionChanged()
{
    BaseJournalTree::slotSelectionChanged();
    const bool selected = m_table && m_table->selectionModel() && m_table->selectionModel()->hasSelection();
    for (int id : pageCommands)
        m_syncManager->setEnabled(id, selected);
}

void WidWebsiteJournal::slotOpenPage(int commandId)
{
    QString action;
    QString (DBWebsite::*page)() const = nullptr;
    QString (*missing)() = nullptr;
    switch (commandId) {
    case SiteCommands::HomePage:
        action = LocaleWebsite::homePage();
        page = &DBWebsite::homePage;
        missing = &LocaleWebsite::homePageMissing;
        break;
    case SiteCommands::LoginPage:
        action = LocaleWebsite::loginPage();
        page = &DBWebsite::loginPage;
        missing = &LocaleWebsite::loginPageMissing;
        break;
    case SiteCommands::RegistrationPage:
        action = LocaleWebsite::registrationPage();
        page = &DBWebsite::registrationPage;
        missing = &LocaleWebsite::registrationPageMissing;
        break;
    case SiteCommands::UserPage:
        action = LocaleWebsite::userPage();
        page = &DBWebsite::userPage;
        missing = &LocaleWebsite::userPageMissing;
        break;
    default:
        return;
    }
    if (!startCommand(action, commandId))
        return;
    const int id = m_table->selectedId();
    if (id == -1)
        return;
    DBWebsite website;
    if (!website.load(id)) {
        reportRecordError(&website);
        return;
    }
    const QString address = (website.*page)().trimmed();
    if (address.isEmpty()) {
        UtilSignalManager::instance()->emitWarning(missing());
        return;
    }
    UtilSignalManager::instance()->emitLoad(QUrl::fromUserInput(address), true, true);
}

} // namespace Vexal
