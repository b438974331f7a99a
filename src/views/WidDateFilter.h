#pragma once

#include "views/WidFilterBase.h"

class QDateEdit;

namespace Vexal {

// Row of a date column.
class WidDateFilter final : public WidFilterBase
{
    Q_OBJECT
public:
    explicit WidDateFilter(QWidget* parent = nullptr);

    QVariant value() const override;
    QDateEdit* valueWidget() const { return m_value; }

protected:
    void create() override;

private:
    QDateEdit* m_value = nullptr;
};

} // namespace Vexal
