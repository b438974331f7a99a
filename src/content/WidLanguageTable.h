#pragma once

#include "views/BaseTable.h"

namespace Vexal {

// The languages (ID, Name and Comments as stored).
class WidLanguageTable final : public BaseTable
{
    Q_OBJECT
public:
    explicit WidLanguageTable(SyncManager* syncManager, QWidget* parent = nullptr);

    QString viewName() const override;
    QString tableName() const override;
};

} // namespace Vexal
