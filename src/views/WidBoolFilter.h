#pragma once

#include "views/WidFilterBase.h"

class QCheckBox;

namespace Vexal {

// Row of a bool column: equals only.
class WidBoolFilter final : public WidFilterBase
{
    Q_OBJECT
public:
    explicit WidBoolFilter(QWidget* parent = nullptr);

    QVariant value() const override;
    QCheckBox* valueWidget() const { return m_value; }

protected:
    void create() override;

private:
    QCheckBox* m_value = nullptr;
};

} // namespace Vexal
