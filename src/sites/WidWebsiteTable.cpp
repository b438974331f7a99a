#include "sites/WidWebsiteTable.h"

#include "core/DBSql.h"
#include "data/DBColumn.h"
#include "texts/LocaleWebsite.h"
#include "views/SqlFilter.h"

#include <QAction>

namespace Vexal {

bool WidWebsiteTable::setType(int flag)
{
    m_type = flag;
    if (m_typeFilter) {
        // The flag is a number; it goes into the text, never a user's text.
        m_typeFilter->setColumn(QStringLiteral("(%1 & %2)").arg(DBSql::colType()).arg(flag));
        m_typeFilter->setEnabled(flag != 0);
    }
    return load();
}

void WidWebsiteTable::addMenuItems()
{
    const struct {
        QString text;
        int id;
    } pages[] = {
        {LocaleWebsite::homePage(), BaseTable::CommandHomePage},
        {LocaleWebsite::loginPage(), BaseTable::CommandLoginPage},
        {LocaleWebsite::registrationPage(), BaseTable::CommandRegistrationPage},
        {LocaleWebsite::userPage(), BaseTable::CommandUserPage},
    };
    for (const auto& page : pages) {
        const int id = page.id;
        connect(addCommandItem(page.text, id), &QAction::triggered, this, [this, id] { emit onPage(id); });
    }
}

void WidWebsiteTable::addFixedFilters()
{
    m_typeFilter = addFixedFilter(DBColumn::KindInteger, SqlFilter::NotEqual, DBSql::colType(), 0);
    m_typeFilter->setEnabled(false);
}

} // namespace Vexal
