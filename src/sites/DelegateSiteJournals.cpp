#include "sites/DelegateSiteJournals.h"

#include "shell/WidTabManager.h"
#include "sites/WidAccountJournal.h"
#include "sites/WidAddressJournal.h"
#include "sites/WidCityJournal.h"
#include "sites/WidCountryJournal.h"
#include "sites/WidFirstNameJournal.h"
#include "sites/WidLastNameJournal.h"
#include "sites/WidMasterAccountJournal.h"
#include "sites/WidRankJournal.h"
#include "sites/WidWebsiteJournal.h"

namespace Vexal {

DelegateSiteJournals::DelegateSiteJournals(WidTabManager* tabManager, QObject* parent)
    : DelegateBase(tabManager, parent)
{
}

void DelegateSiteJournals::openWebsites()
{
    if (WidTabManager* manager = tabManager())
        manager->addUniqueTab(new WidWebsiteJournal(parentWidget()), nullptr);
}

void DelegateSiteJournals::openAccounts()
{
    if (WidTabManager* manager = tabManager())
        manager->addUniqueTab(new WidAccountJournal(parentWidget()), nullptr);
}

void DelegateSiteJournals::openMasterAccounts()
{
    if (WidTabManager* manager = tabManager())
        manager->addUniqueTab(new WidMasterAccountJournal(parentWidget()), nullptr);
}

void DelegateSiteJournals::openRanks()
{
    if (WidTabManager* manager = tabManager())
        manager->addUniqueTab(new WidRankJournal(parentWidget()), nullptr);
}

void DelegateSiteJournals::openFirstNames()
{
    if (WidTabManager* manager = tabManager())
        manager->addUniqueTab(new WidFirstNameJournal(parentWidget()), nullptr);
}

void DelegateSiteJournals::openLastNames()
{
    if (WidTabManager* manager = tabManager())
        manager->addUniqueTab(new WidLastNameJournal(parentWidget()), nullptr);
}

void DelegateSiteJournals::openCountries()
{
    if (WidTabManager* manager = tabManager())
        manager->addUniqueTab(new WidCountryJournal(parentWidget()), nullptr);
}

void DelegateSiteJournals::openCities()
{
    if (WidTabManager* manager = tabManager())
        manager->addUniqueTab(new WidCityJournal(parentWidget()), nullptr);
}

void DelegateSiteJournals::openAddresses()
{
    if (WidTabManager* manager = tabManager())
        manager->addUniqueTab(new WidAddressJournal(parentWidget()), nullptr);
}

} // namespace Vexal
