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
    void slotSelectionChanged() override;

protected:
    void createToolbar() override;
    void connectToolbar() override;
    void createTable() override;
    void connectTable() override;
    QWidget* createEditor(QWidget* parent) override;

private:
    void handleCommand(int id);

    WidArticleTable* m_table = nullptr;
};

} // namespace Vexal
