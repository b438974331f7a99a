#pragma once

#include "widgets/DlgBase.h"

class QListWidget;
class QListWidgetItem;

namespace Vexal {

class DBColumnList;

// Lets the user choose the shown columns of a record table. The argument is
// the table's DBColumnList; Ok writes each listed column's Visible flag
// (nothing is stored until the table's Save Layout). Columns hidden from the
// view altogether are not listed. Ok is disabled while nothing is checked.
class DlgSetupColumns final : public DlgBase
{
    Q_OBJECT
public:
    using DlgBase::DlgBase;

    QListWidget* listWidget() const { return m_list; }
    QPushButton* acceptButton() const { return m_okButton; }

public slots:
    void slotAccept() override;
    void slotItemClicked(QListWidgetItem* item);

protected:
    void createBody() override;
    void createWidgets() override;
    void connectWidgets() override;

private:
    DBColumnList* columnList() const;

    QListWidget* m_list = nullptr;
};

} // namespace Vexal
