#pragma once

namespace Vexal {

// Command ids of the site journals (one number space with BaseTable::Command).
namespace SiteCommands {
enum Id {
    Select = 19,
    HomePage = 28,
    LoginPage = 29,
    RegistrationPage = 31,
    UserPage = 32
};
} // namespace SiteCommands

} // namespace Vexal
