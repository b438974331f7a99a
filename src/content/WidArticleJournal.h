#pragma once

#include "content/WidArticleEditor.h"
#include "content/WidArticleTable.h"
#include "texts/LocaleArticle.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The articles journal. Copy duplicates the selected articles (after asking;
// after Select All every article it lists) in one statement, each copy a new
// row with the stored values and no spun articles; Spin runs the spinner
// dialog on the selected article.
class WidArticleJournal final
    : public BaseRecordJournal<BaseJournal, WidArticleTable, WidArticleEditor, &LocaleArticle::articles>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;

public slots:
    void slotCopy();
    void slotSpin();

protected:
    QList<BaseJournalToolbar::Command> toolbarCommands() const override;
    void runCommand(int id) override;
};

} // namespace Vexal
