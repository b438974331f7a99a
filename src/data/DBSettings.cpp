#include "data/DBSettings.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBSettings::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::text(&DBSql::colLastFolder, &DBSettings::m_lastFolder, lastFolderLimit),
                                    DBField::integer(&DBSql::colArticleTitle, &DBSettings::m_articleTitle),
                                    DBField::integer(&DBSql::colArticleIntro, &DBSettings::m_articleIntro),
                                    DBField::integer(&DBSql::colArticleBody, &DBSettings::m_articleBody),
                                    DBField::integer(&DBSql::colSpinnerTitle, &DBSettings::m_spinnerTitle),
                                    DBField::integer(&DBSql::colSpinnerIntro, &DBSettings::m_spinnerIntro),
                                    DBField::integer(&DBSql::colSpinnerBody, &DBSettings::m_spinnerBody),
                                });
    return table;
}

} // namespace Vexal
