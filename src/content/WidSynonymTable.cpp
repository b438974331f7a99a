#include "content/WidSynonymTable.h"

#include "core/DBSql.h"
#include "data/DBColumn.h"
#include "texts/LocaleArticle.h"
#include "views/SqlFilter.h"

#include <QAction>

namespace Vexal {

void WidSynonymTable::addMenuItems()
{
    BaseTable::addMenuItems();
    connect(addCommandItem(LocaleArticle::addWord(), BaseTable::CommandAddWord), &QAction::triggered, this,
            &WidSynonymTable::onAddWord);
    connect(addCommandItem(LocaleArticle::editWord(), BaseTable::CommandEditWord), &QAction::triggered, this,
            &WidSynonymTable::onEditWord);
    connect(addCommandItem(LocaleArticle::deleteWord(), BaseTable::CommandDeleteWord), &QAction::triggered, this,
            &WidSynonymTable::onDeleteWord);
}

void WidSynonymTable::addFixedFilters()
{
    BaseTable::addFixedFilters();
    m_wordFilter = addFixedFilter(DBColumn::KindInteger, SqlFilter::Equal, DBSql::colWordID(), m_wordId);
}

void WidSynonymTable::setWordId(qint64 wordId)
{
    m_wordId = wordId;
    if (m_wordFilter)
        m_wordFilter->setValue(wordId);
}

} // namespace Vexal
