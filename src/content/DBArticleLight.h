#pragma once

#include "data/DBProjectBase.h"

namespace Vexal {

// An article read with its ID, Name, Comments and ProjectID only, for the
// choosers that list a project's articles.
class DBArticleLight : public DBProjectBase
{
    Q_OBJECT
public:
    explicit DBArticleLight(QObject* parent = nullptr);

    DBBase* create(QObject* parent) const override;
    QString tableName() const override;
    QString displayName() const override;
};

} // namespace Vexal
