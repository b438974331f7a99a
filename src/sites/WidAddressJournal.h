#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

// The journal of the addresses of the identity generator.
class WidAddressJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidAddressJournal(QWidget* parent = nullptr);

    QString title() const override;

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
};

} // namespace Vexal
