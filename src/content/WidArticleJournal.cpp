#include "content/WidArticleJournal.h"

#include "content/DBArticle.h"
#include "content/DlgSpinner.h"
#include "core/DBSql.h"
#include "widgets/UtilGui.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleArticle.h"
#include "views/UtilDialog.h"

namespace Vexal {

QList<BaseJournalToolbar::Command> WidArticleJournal::toolbarCommands() const
{
    return {{ConstIcon::copy(32), LocaleArticle::copy(), BaseTable::CommandCopy},
            {ConstIcon::spin(32), LocaleArticle::spin(), BaseTable::CommandSpin}};
}

void WidArticleJournal::runCommand(int id)
{
    if (id == BaseTable::CommandCopy)
        slotCopy();
    else if (id == BaseTable::CommandSpin)
        slotSpin();
}

void WidArticleJournal::slotCopy()
{
    if (!startCommand(LocaleArticle::copy(), BaseTable::CommandCopy))
        return;
    // After Select All: every article the journal lists, fetched or not.
    const QString condition = m_table->selectedRowsCondition();
    if (condition.isEmpty())
        return;
    if (!UtilGui::question(this, LocaleArticle::confirmDuplicateArticles()))
        return;
    // What every copy takes anew: it has no spun articles yet.
    DBArticle copy;
    copy.setSpun(false);
    if (!copy.copyRows(condition, {DBSql::colSpun()}))
        reportRecordError(&copy);
    showOwnWrites();
}

void WidArticleJournal::slotSpin()
{
    if (!startCommand(LocaleArticle::spin(), BaseTable::CommandSpin))
        return;
    const qint64 id = m_table->selectedId();
    if (id == -1)
        return;
    DBArticle article;
    if (!article.load(id)) {
        reportRecordError(&article);
        return;
    }
    DlgSpinner dialog(this);
    dialog.build(&article);
    UtilDialog::exec(&dialog);
    showOwnWrites();
}

} // namespace Vexal
