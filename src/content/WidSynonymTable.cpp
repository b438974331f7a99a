#include "content/WidSynonymTable.h"

#include "content/ContentCommands.h"
#include "core/DBSql.h"
#include "data/DBColumn.h"
#include "texts/LocaleArticle.h"
#include "views/SqlFilter.h"

#include <QAction>

namespace Vexal {

void WidSynonymTable::addMenuItems()
{
    BaseTable::addMenuItems();
    connect(addCommandItem(LocaleArticle::addWord(), ContentCommands::AddWord), &QAction::triggered, this,
            &WidSynonymTable::onAddWord);
    connect(addCommandItem(LocaleArticle::editWord(), ContentCommands::EditWord), &QAction::triggered, this,
            &WidSynonymTable::onEditWord);
    connect(addCommandItem(LocaleArticle::deleteWord(), ContentCommands::DeleteWord), &QAction::triggered, this,
            &WidSynonymTable::onDeleteWord);
}

void WidSynonymTable::addFixedFilters()
{
    BaseTable::addFixedFilters();
    m_wordFilter = addFixedFilter(DBColumn::KindInteger, SqlFilter::Equal, DBSql::colWordID(), m_wordId);
}

void WidSynonymTable::setWordId(int wordId)
{
    m_wordId = wordId;
    if (m_wordFilter)
        m_wordFilter->setValue(wordId);
}

} // namespace Vexal
