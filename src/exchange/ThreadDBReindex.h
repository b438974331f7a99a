#pragma once

#include "data/ThreadDBStatements.h"

#include <QStringList>

namespace Vexal {

// Rebuilds the indexes of the tables, one "REINDEX" each, stopping at the
// first failure.
class ThreadDBReindex : public ThreadDBStatements
{
    Q_OBJECT
public:
    using ThreadDBStatements::ThreadDBStatements;

    QString title() const override;

    // The 30 tables in the order they are reindexed.
    static QStringList tables();

protected:
    bool runStatements() override;

    bool reindexTable(const QString& table);
};

} // namespace Vexal
