#include "data/DBReferences.h"

#include "core/DBSql.h"

#include <QHash>
#include <QStringList>

namespace Vexal {
namespace DBReferences {

const std::vector<Reference>& all()
{
    using namespace DBSql;
    static const std::vector<Reference> references{
        {&tableAccount, &colProjectID, &tableProject},
        {&tableArticle, &colProjectID, &tableProject},
        {&tableDirectory, &colProjectID, &tableProject},
        {&tableSocialBookmark, &colProjectID, &tableProject},
        {&tableSpunArticle, &colProjectID, &tableProject},
        {&tableAccount, &colWebsiteID, &tableWebsite},
        {&tableArticleTemplate, &colWebsiteID, &tableWebsite},
        {&tableDirectoryTemplate, &colWebsiteID, &tableWebsite},
        {&tableLoginTemplate, &colWebsiteID, &tableWebsite},
        {&tableRegistrationTemplate, &colWebsiteID, &tableWebsite},
        {&tableSocialBookmarkTemplate, &colWebsiteID, &tableWebsite},
        {&tableArticle, &colCategoryID, &tableCategory},
        {&tableDirectory, &colCategoryID, &tableCategory},
        {&tableCategory, &colMasterID, &tableCategory},
        {&tableSpunArticle, &colArticleID, &tableArticle},
        {&tableCity, &colCountryID, &tableCountry},
        {&tableAddress, &colCountryID, &tableCountry},
        {&tableFirstName, &colLanguageID, &tableLanguage},
        {&tableLastName, &colLanguageID, &tableLanguage},
        {&tableWord, &colLanguageID, &tableLanguage},
        {&tableSynonym, &colWordID, &tableWord},
    };
    return references;
}

namespace {

// Each highest value is read from the column's index (every column of all()
// has one), so the expression costs a few look-ups, not a scan.
QString highest(const QString& table, const QString& column)
{
    return QStringLiteral("coalesce((SELECT max(%1) FROM %2), 0)").arg(column, table);
}

} // namespace

QString newIdExpression(const QString& table, const QString& offset)
{
    // The highest ID of each table that columns point at, made once, on
    // whichever thread asks first.
    static const QHash<QString, QString> highests = [] {
        QHash<QString, QStringList> parts;
        for (const Reference& reference : all()) {
            QStringList& values = parts[reference.target()];
            if (values.isEmpty())
                values << highest(reference.target(), DBSql::colID());
            values << highest(reference.table(), reference.column(false));
        }
        QHash<QString, QString> made;
        for (auto it = parts.cbegin(); it != parts.cend(); ++it)
            made.insert(it.key(), QStringLiteral("max(%1)").arg(it.value().join(QLatin1String(", "))));
        return made;
    }();
    const QString highestId = highests.value(table);
    if (highestId.isEmpty())
        return QString();
    return QStringLiteral("CASE WHEN %1 <= 9223372036854775807 - (%2) THEN %1 + (%2) END").arg(highestId, offset);
}

} // namespace DBReferences
} // namespace Vexal
