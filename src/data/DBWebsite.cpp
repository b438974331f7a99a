#include "data/DBWebsite.h"

#include "core/DBSql.h"
#include "data/DBField.h"
#include "texts/LocaleWidgets.h"

namespace Vexal {

const DBFields& DBWebsite::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::integer(&DBSql::colType, &DBWebsite::m_type),
                                    DBField::text(&DBSql::colHost, &DBWebsite::m_host, hostLimit),
                                    DBField::text(&DBSql::colHomePage, &DBWebsite::m_homePage, pageLimit),
                                    DBField::text(&DBSql::colLoginPage, &DBWebsite::m_loginPage, pageLimit),
                                    DBField::text(&DBSql::colLogoutPage, &DBWebsite::m_logoutPage, pageLimit),
                                    DBField::text(&DBSql::colRegistrationPage, &DBWebsite::m_registrationPage, pageLimit),
                                    DBField::text(&DBSql::colUserPage, &DBWebsite::m_userPage, pageLimit),
                                    DBField::flag(&DBSql::colEmail, &DBWebsite::m_email),
                                    DBField::integer(&DBSql::colGPR, &DBWebsite::m_gpr),
                                    DBField::integer(&DBSql::colAPR, &DBWebsite::m_apr),
                                });
    return table;
}

int DBWebsite::firstType(int flags)
{
    for (int flag = WebsiteType::lowest; flag <= WebsiteType::highest; flag <<= 1) {
        if (flags & flag)
            return flag;
    }
    return 0;
}

QString DBWebsite::typeText(int flag)
{
    switch (flag) {
    case WebsiteType::UserDefined:
        return LocaleWidgets::typeUserDefined();
    case WebsiteType::Email:
        return LocaleWidgets::typeEmail();
    case WebsiteType::Articles:
        return LocaleWidgets::typeArticles();
    case WebsiteType::Blogs:
        return LocaleWidgets::typeBlogs();
    case WebsiteType::Directories:
        return LocaleWidgets::typeDirectories();
    case WebsiteType::Forums:
        return LocaleWidgets::typeForums();
    case WebsiteType::SocialBookmarks:
        return LocaleWidgets::typeSocialBookmarks();
    case WebsiteType::VideoDirectories:
        return LocaleWidgets::typeVideoDirectories();
    default:
        return LocaleWidgets::typeUndefined();
    }
}

} // namespace Vexal
