#pragma once

#include "views/BaseJournal.h"

namespace Vexal {

class WidSpinnedArticleTable;

// The spun articles journal. Opened with an article id as the address of its
// Init, it shows only that article's spun articles.
class WidSpinnedArticleJournal final : public BaseJournal
{
    Q_OBJECT
public:
    explicit WidSpinnedArticleJournal(QWidget* parent = nullptr);

    QString title() const override;
    void setInit(QObject* init) override;

    WidSpinnedArticleTable* spinnedArticleTable() const { return m_table; }

protected:
    void createTable() override;
    QWidget* createEditor(QWidget* parent) override;
    // A new spun article starts on the journal's article, if it has one.
    Init* createInit(QObject* parent) override;

private:
    WidSpinnedArticleTable* m_table = nullptr;
};

} // namespace Vexal
