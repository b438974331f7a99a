#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

// The accounts journal.
class WidAccountJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidAccountJournal(QWidget* parent = nullptr);

    QString title() const override;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
