#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

class SqlFilter;

// The websites, filtered by one type flag (0: all), with row-menu entries
// that open the website's pages.
class WidWebsiteTable final : public BaseRecordTable<BaseTable, &DBSql::tableWebsite>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;

    // Shows the websites of that type flag (every website for 0) and loads.
    bool setType(int flag);
    int type() const { return m_type; }

signals:
    // A page command: BaseTable::CommandHomePage, CommandLoginPage, CommandRegistrationPage or CommandUserPage.
    void onPage(int commandId);

protected:
    void addMenuItems() override;
    void addFixedFilters() override;

private:
    SqlFilter* m_typeFilter = nullptr;
    int m_type = 0;
};

} // namespace Vexal
