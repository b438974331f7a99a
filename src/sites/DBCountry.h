#pragma once

#include "data/DBBase.h"

namespace Vexal {

// One row of "Country": a country (its Name) and its code.
class DBCountry final : public DBBase
{
    Q_OBJECT
public:
    static constexpr int codeLimit = 128;

    explicit DBCountry(QObject* parent = nullptr);

    const DBFields& fields() const override;
    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;

    QString code() const { return m_code; }

    void setCode(const QString& code);

private:
    QString m_code;
};

} // namespace Vexal
