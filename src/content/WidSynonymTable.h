#pragma once

#include "core/DBSql.h"
#include "views/BaseTable.h"

namespace Vexal {

class SqlFilter;

// The synonyms of one word (none while no word is chosen), with the row-menu
// entries Add Word, Edit Word and Delete Word.
class WidSynonymTable final : public BaseRecordTable<BaseTable, &DBSql::tableSynonym>
{
    Q_OBJECT
public:
    using BaseRecordTable::BaseRecordTable;

    // Takes effect with the next load.
    void setWordId(qint64 wordId);
    qint64 wordId() const { return m_wordId; }

signals:
    void onAddWord();
    void onEditWord();
    void onDeleteWord();

protected:
    void addMenuItems() override;
    void addFixedFilters() override;

private:
    SqlFilter* m_wordFilter = nullptr;
    qint64 m_wordId = -1;
};

} // namespace Vexal
