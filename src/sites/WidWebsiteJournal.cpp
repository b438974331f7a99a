#include "sites/WidWebsiteJournal.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBWebsite.h"
#include "sites/SiteCommands.h"
#include "sites/WidWebsiteEditor.h"
#include "sites/WidWebsiteTable.h"
#include "sites/WidWebsiteTree.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleWebsite.h"

#include <QUrl>

namespace Vexal {

WidWebsiteJournal::WidWebsiteJournal(QWidget* parent)
    : BaseJournalTree(parent)
{
}

QString WidWebsiteJournal::title() const
{
    return LocaleWebsite::websites();
}

QList<BaseJournalToolbar::Command> WidWebsiteJournal::toolbarCommands() const
{
    return {{ConstIcon::home(32), LocaleWebsite::homePage(), SiteCommands::HomePage},
            {ConstIcon::login(32), LocaleWebsite::loginPage(), SiteCommands::LoginPage},
            {ConstIcon::registerIcon(32), LocaleWebsite::registrationPage(), SiteCommands::RegistrationPage},
            {ConstIcon::webPage(32), LocaleWebsite::userPage(), SiteCommands::UserPage}};
}

void WidWebsiteJournal::runCommand(int id)
{
    slotOpenPage(id);
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
