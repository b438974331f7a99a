#pragma once

#include "widgets/DlgBase.h"

class QLabel;
class QLineEdit;

namespace Vexal {

// Asks for a bookmark's title.
class DlgBookmark final : public DlgBase
{
    Q_OBJECT
public:
    using DlgBase::DlgBase;

    void setTitle(const QString& title);
    QString title() const;

    QLabel* titleLabel = nullptr;
    QLineEdit* titleEdit = nullptr;

protected:
    void createWidgets() override;
};

} // namespace Vexal
