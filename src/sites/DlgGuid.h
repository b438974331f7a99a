#pragma once

#include "widgets/DlgBase.h"

class QLineEdit;
class QPushButton;

namespace Vexal {

// Shows a new GUID; "Create and Copy" makes another and puts it on the
// clipboard.
class DlgGuid final : public DlgBase
{
    Q_OBJECT
public:
    explicit DlgGuid(QWidget* parent = nullptr);

    QString guid() const;
    // "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" in upper case.
    static QString createGuid();

public slots:
    void slotCreateAndCopy();

protected:
    void createWidgets() override;
    void createButtons() override;

    QLineEdit* m_guidEdit = nullptr;
    QPushButton* m_createButton = nullptr;
};

} // namespace Vexal
