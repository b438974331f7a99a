#pragma once

#include "views/WidFilterBase.h"

class QDateTimeEdit;

namespace Vexal {

// Row of a date-time column.
class WidDateTimeFilter final : public WidFilterBase
{
    Q_OBJECT
public:
    explicit WidDateTimeFilter(QWidget* parent = nullptr);

    QVariant value() const override;
    QDateTimeEdit* valueWidget() const { return m_value; }

protected:
    void create() override;

private:
    QDateTimeEdit* m_value = nullptr;
};

} // namespace Vexal
