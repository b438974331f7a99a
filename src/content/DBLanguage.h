#pragma once

#include "data/DBBase.h"

namespace Vexal {

// One row of "Language": the language of words and of the identity names.
class DBLanguage final : public DBBase
{
    Q_OBJECT
public:
    explicit DBLanguage(QObject* parent = nullptr);

    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;
};

} // namespace Vexal
