#pragma once

#include "data/DBTypedList.h"
#include "content/DBSynonym.h"

namespace Vexal {

// All synonyms, the synonyms of one word, or one synonym looked up by name.
class DBSynonymList final : public DBTypedList<DBSynonym>
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeOwner = 1, ModeName = 2 };

    // All rows.
    explicit DBSynonymList(QObject* parent = nullptr);
    explicit DBSynonymList(int wordId, QObject* parent = nullptr);
    // The rows of that name (exact, case-sensitive); the name is bound.
    DBSynonymList(int wordId, const QString& name, QObject* parent = nullptr);

    QString whereText() const override;
    void bindWhere(QSqlQuery& query) const override;

    // The first record; on an empty list a new unsaved one, appended.
    DBSynonym* firstOrCreate();

    int wordId() const { return m_wordId; }

private:
    int m_wordId;
    QString m_name;
};

} // namespace Vexal
