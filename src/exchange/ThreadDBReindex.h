#pragma once

#include "core/Thread.h"

#include <QStringList>

namespace Vexal {

// Rebuilds the indexes of the tables, one "REINDEX" each, stopping at the
// first failure.
class ThreadDBReindex : public Thread
{
    Q_OBJECT
public:
    explicit ThreadDBReindex(QObject* parent = nullptr);

    QString title() const override;

    // The 30 tables in the order they are reindexed.
    static QStringList tables();

protected:
    void run() override;

    bool reindexTable(const QString& table);

private:
    bool reindex();
};

} // namespace Vexal
