#pragma once

#include "widgets/DlgBase.h"

class QScrollArea;
class QVBoxLayout;

namespace Vexal {

class WidFilterBase;

// The Filter dialog of a record table: one row per user filter of the table's
// SqlFilterCollection (the dialog argument). Ok writes every row back into its
// filter; Cancel changes nothing.
class DqlFilter final : public DlgBase
{
    Q_OBJECT
public:
    explicit DqlFilter(QWidget* parent = nullptr);

    int rowCount() const;
    WidFilterBase* rowAt(int index) const;

public slots:
    void slotAccept() override;

protected:
    void createBody() override;
    void createWidgets() override;
    void connectWidgets() override;

    // The row for a filter kind; null for a kind without one.
    static WidFilterBase* createRow(int kind);

    QScrollArea* m_scrollArea = nullptr;
    QVBoxLayout* m_bodyLayout = nullptr;
};

} // namespace Vexal
