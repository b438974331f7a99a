#pragma once

#include "data/WebsiteType.h"

#include <QComboBox>

namespace Vexal {

// The chooser of one website type: the type names with their flag as item
// data, Email first and current after fill().
class WidWebsiteTypeComboBox final : public QComboBox
{
    Q_OBJECT
public:
    explicit WidWebsiteTypeComboBox(QWidget* parent = nullptr);

    // The type flags in chooser order.
    static QList<int> typeOrder();

    void fill();
    // The item of that flag becomes current; the first item when none has it.
    void setCurrentType(int flag);
    // The flag of the current item; 0 when there is none.
    int currentType() const;
};

} // namespace Vexal
