#pragma once

#include "views/WidFilterBase.h"

class QLineEdit;

namespace Vexal {

// Row of a text column: contains, starts with, ends with, equals, differs.
class WidStringFilter final : public WidFilterBase
{
    Q_OBJECT
public:
    explicit WidStringFilter(QWidget* parent = nullptr);

    QVariant value() const override;
    QLineEdit* valueWidget() const { return m_value; }

protected:
    void create() override;

private:
    QLineEdit* m_value = nullptr;
};

} // namespace Vexal
