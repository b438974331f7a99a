#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

// The journal of the last names of the identity generator.
class WidLastNameJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidLastNameJournal(QWidget* parent = nullptr);

    QString title() const override;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
