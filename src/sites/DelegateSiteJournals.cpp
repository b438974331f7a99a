#include "sites/DelegateSiteJournals.h"

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
    openUniqueTab<WidWebsiteJournal>();
}

void DelegateSiteJournals::openAccounts()
{
    openUniqueTab<WidAccountJournal>();
}

void DelegateSiteJournals::openMasterAccounts()
{
    openUniqueTab<WidMasterAccountJournal>();
}

void DelegateSiteJournals::openRanks()
{
    openUniqueTab<WidRankJournal>();
}

void DelegateSiteJournals::openFirstNames()
{
    openUniqueTab<WidFirstNameJournal>();
}

void DelegateSiteJournals::openLastNames()
{
    openUniqueTab<WidLastNameJournal>();
}

void DelegateSiteJournals::openCountries()
{
    openUniqueTab<WidCountryJournal>();
}

void DelegateSiteJournals::openCities()
{
    openUniqueTab<WidCityJournal>();
}

void DelegateSiteJournals::openAddresses()
{
    openUniqueTab<WidAddressJournal>();
}

} // namespace Vexal
