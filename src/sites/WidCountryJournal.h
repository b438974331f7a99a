#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

// The journal of the countries of the identity generator.
class WidCountryJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidCountryJournal(QWidget* parent = nullptr);

    QString title() const override;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
