#pragma once

#include "data/DBProjectBase.h"

namespace Vexal {

// A spun article read with its ID, Name, Comments and ProjectID only.
class DBSpinnedArticleLight : public DBProjectBase
{
    Q_OBJECT
public:
    explicit DBSpinnedArticleLight(QObject* parent = nullptr);

    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;
};

} // namespace Vexal
