#pragma once

#include "views/BaseTable.h"

namespace Vexal {

class SqlFilter;

// Shows the templates of the websites whose type flags hold the current
// type (a fixed filter; Email at start, none for type 0).
class BaseTypeTemplateTable : public BaseTable
{
    Q_OBJECT
public:
    BaseTypeTemplateTable(SyncManager* syncManager, QWidget* parent, TextGetter table);

    // Rewrites the type condition and reloads the rows.
    void setType(int type);
    SqlFilter* typeFilter() const { return m_typeFilter; }

protected:
    void addFixedFilters() override;

private:
    SqlFilter* m_typeFilter = nullptr;
};

} // namespace Vexal
