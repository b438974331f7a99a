#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

// The directory listings journal.
class WidDirectoryJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidDirectoryJournal(QWidget* parent = nullptr);

    QString title() const override;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
