#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

// The master accounts journal. Select makes the selected master account the
// only active one.
class WidMasterAccountJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidMasterAccountJournal(QWidget* parent = nullptr);

    QString title() const override;

public slots:
    void slotSelect();

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
    QList<BaseJournalToolbar::Command> toolbarCommands() const override;
    void runCommand(int id) override;
};

} // namespace Vexal
