#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// Command ids of the site journals, from the one number space of BaseTable::Command.
namespace SiteCommands {
enum Id {
    Select = BaseTable::CommandSelect,
    HomePage = BaseTable::CommandHomePage,
    LoginPage = BaseTable::CommandLoginPage,
    RegistrationPage = BaseTable::CommandRegistrationPage,
    UserPage = BaseTable::CommandUserPage
};
} // namespace SiteCommands

} // namespace Vexal
