#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// Shows one whole table of the database, read-only, with the SQL column names
// as headers: no saved layout, no filters.
class WidDatabaseTable final : public BaseTable
{
    Q_OBJECT
public:
    explicit WidDatabaseTable(SyncManager* syncManager, QWidget* parent = nullptr);

    QString viewName() const override;
    QString tableName() const override;

    // Shows every row of the table named by the text up to its first ':'.
    // A name that is no table gives an empty view.
    void showTable(const QString& text);

protected:
    void initColumns() override;
    void createColumnsMenu() override;
};

} // namespace Vexal
