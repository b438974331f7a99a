#pragma once

#include "shell/DelegateBase.h"

namespace Vexal {

// The journal commands of the Web and Tools menus for the site records:
// websites, accounts, master accounts, page ranks and the identity tables
// (first and last names, countries, cities, addresses), each opened once (an
// open one is focused).
class DelegateSiteJournals final : public DelegateBase
{
    Q_OBJECT
public:
    DelegateSiteJournals(WidTabManager* tabManager, QObject* parent);

    void openWebsites();
    void openAccounts();
    void openMasterAccounts();
    void openRanks();
    void openFirstNames();
    void openLastNames();
    void openCountries();
    void openCities();
    void openAddresses();
};

} // namespace Vexal
