#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

class WidProjectTable;

// The projects journal. Select makes the selected project the current one.
class WidProjectJournal : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidProjectJournal(QWidget* parent = nullptr);

    QString title() const override;

public slots:
    void slotSelect();
    void slotSelectionChanged() override;

protected:
    void createToolbar() override;
    void connectToolbar() override;
    void createTable() override;
    void connectTable() override;
    QWidget* createEditor(QWidget* parent) override;

    WidProjectTable* projectTable = nullptr;
};

} // namespace Vexal
