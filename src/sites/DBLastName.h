#pragma once

#include "data/DBBase.h"

namespace Vexal {

// One row of "LastName": a last name (its Name) of one language.
class DBLastName final : public DBBase
{
    Q_OBJECT
public:
    explicit DBLastName(QObject* parent = nullptr);

    const DBFields& fields() const override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;

    int languageId() const { return m_languageId; }

    void setLanguageId(int languageId);

private:
    int m_languageId = 0;
};

} // namespace Vexal
