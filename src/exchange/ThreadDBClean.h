#pragma once

#include "data/ThreadDBStatements.h"

namespace Vexal {

// Deletes rows whose project, language, website, article or word is gone,
// in an order that also removes the synonyms and spun articles of the words
// and articles it has just deleted. Stops at the first failing statement.
class ThreadDBClean : public ThreadDBStatements
{
    Q_OBJECT
public:
    using ThreadDBStatements::ThreadDBStatements;

    QString title() const override;

    static QString deleteOrphansText(const QString& table, const QString& column, const QString& referencedTable,
                                     const QString& referencedColumn);

protected:
    bool runStatements() override;

    bool deleteOrphans(const QString& table, const QString& column, const QString& referencedTable,
                       const QString& referencedColumn);
    bool deleteOrphansOfProject(const QString& table);
    bool deleteOrphansOfLanguage(const QString& table);
    bool deleteOrphansOfWebsite(const QString& table);
};

} // namespace Vexal
