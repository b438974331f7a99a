#pragma once

#include "data/DBBase.h"

namespace Vexal {

// One row of "Synonym": a synonym (its Name) of one word.
class DBSynonym final : public DBBase
{
    Q_OBJECT
public:
    explicit DBSynonym(QObject* parent = nullptr);

    const DBFields& fields() const override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;

    int wordId() const { return m_wordId; }

    void setWordId(int wordId);

private:
    int m_wordId = 0;
};

} // namespace Vexal
