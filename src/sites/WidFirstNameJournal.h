#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

// The journal of the first names of the identity generator.
class WidFirstNameJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidFirstNameJournal(QWidget* parent = nullptr);

    QString title() const override;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
