#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

// The journal of the cities of the identity generator.
class WidCityJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidCityJournal(QWidget* parent = nullptr);

    QString title() const override;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
