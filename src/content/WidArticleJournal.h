#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

class WidArticleTable;

// The articles journal. Copy duplicates the selected articles (after asking);
// Spin runs the spinner dialog on the selected article.
class WidArticleJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidArticleJournal(QWidget* parent = nullptr);

    QString title() const override;

public slots:
    void slotCopy();
    void slotSpin();

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
    QList<BaseJournalToolbar::Command> toolbarCommands() const override;
    void runCommand(int id) override;

private:
    WidArticleTable* m_table = nullptr;
};

} // namespace Vexal
