#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

// The categories journal.
class WidCategoryJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidCategoryJournal(QWidget* parent = nullptr);

    QString title() const override;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
