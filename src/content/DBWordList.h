#pragma once

#include "data/DBTypedList.h"
#include "content/DBWord.h"

namespace Vexal {

// All words, the words of one language, or one word looked up by name.
class DBWordList final : public DBTypedList<DBWord>
{
    Q_OBJECT
public:
    enum Mode { ModeAll = 0, ModeOwner = 1, ModeName = 2 };

    // All rows.
    explicit DBWordList(QObject* parent = nullptr);
    explicit DBWordList(int languageId, QObject* parent = nullptr);
    // The rows of that name (exact, case-sensitive); the name is bound.
    DBWordList(int languageId, const QString& name, QObject* parent = nullptr);

    QString whereText() const override;
    void bindWhere(QSqlQuery& query) const override;

    // The first record; on an empty list a new unsaved one, appended.
    DBWord* firstOrCreate();

    int languageId() const { return m_languageId; }

private:
    int m_languageId;
    QString m_name;
};

} // namespace Vexal
