#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

// The projects journal. Select makes the selected project the current one.
class WidProjectJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidProjectJournal(QWidget* parent = nullptr);

    QString title() const override;

public slots:
    void slotSelect();

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
    QList<BaseJournalToolbar::Command> toolbarCommands() const override;
    void runCommand(int id) override;
    // The current project is never deleted: the program files new records
    // under it and names it in the status bar.
    bool mayDelete(const QString& condition) override;
    // Names how many records of each kind the projects take with them.
    QString deleteQuestion(const QString& condition, int count) override;
    // The projects and the records they own, in one transaction.
    bool deleteRows(const QString& condition, DBListBase* list) override;
};

} // namespace Vexal
