#include "sites/WidWebsiteJournal.h"

#include "core/Init.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/DBWebsite.h"
#include "sites/WidWebsiteTree.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleWebsite.h"

#include <QUrl>

namespace Vexal {

QList<BaseJournalToolbar::Command> WidWebsiteJournal::toolbarCommands() const
{
    return {{ConstIcon::home(32), LocaleWebsite::homePage(), BaseTable::CommandHomePage},
            {ConstIcon::login(32), LocaleWebsite::loginPage(), BaseTable::CommandLoginPage},
            {ConstIcon::registerIcon(32), LocaleWebsite::registrationPage(), BaseTable::CommandRegistrationPage},
            {ConstIcon::webPage(32), LocaleWebsite::userPage(), BaseTable::CommandUserPage}};
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

Init* WidWebsiteJournal::createInit(QObject* parent)
{
    auto* init = new Init(parent);
    init->setType(m_tree ? m_tree->currentType() : 0);
    return init;
}

void WidWebsiteJournal::handleTreeSelectionChanged()
{
    Logger::setContext(QLatin1String(metaObject()->className()), LocaleWebsite::selectionChanged());
    if (recordTable() && m_tree)
        recordTable()->setType(m_tree->currentType());
}

void WidWebsiteJournal::slotOpenPage(int commandId)
{
    QString action;
    QString (DBWebsite::*page)() const = nullptr;
    QString (*missing)() = nullptr;
    switch (commandId) {
    case BaseTable::CommandHomePage:
        action = LocaleWebsite::homePage();
        page = &DBWebsite::homePage;
        missing = &LocaleWebsite::homePageMissing;
        break;
    case BaseTable::CommandLoginPage:
        action = LocaleWebsite::loginPage();
        page = &DBWebsite::loginPage;
        missing = &LocaleWebsite::loginPageMissing;
        break;
    case BaseTable::CommandRegistrationPage:
        action = LocaleWebsite::registrationPage();
        page = &DBWebsite::registrationPage;
        missing = &LocaleWebsite::registrationPageMissing;
        break;
    case BaseTable::CommandUserPage:
        action = LocaleWebsite::userPage();
        page = &DBWebsite::userPage;
        missing = &LocaleWebsite::userPageMissing;
        break;
    default:
        return;
    }
    if (!startCommand(action, commandId))
        return;
    const qint64 id = recordTable()->selectedId();
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
