#include "data/DBSettings.h"

#include "core/Convert.h"
#include "core/DBSql.h"
#include "data/DBField.h"

#include <QVariant>

namespace Vexal {

void DBSettings::setLastFolder(const QString& folder)
{
    markModified();
    m_lastFolder = Convert::leftText(folder, lastFolderLimit);
}

void DBSettings::setArticleTitle(int mode)
{
    markModified();
    m_articleTitle = mode;
}

void DBSettings::setArticleIntro(int mode)
{
    markModified();
    m_articleIntro = mode;
}

void DBSettings::setArticleBody(int mode)
{
    markModified();
    m_articleBody = mode;
}

void DBSettings::setSpinnerTitle(int mode)
{
    markModified();
    m_spinnerTitle = mode;
}

void DBSettings::setSpinnerIntro(int mode)
{
    markModified();
    m_spinnerIntro = mode;
}

void DBSettings::setSpinnerBody(int mode)
{
    markModified();
    m_spinnerBody = mode;
}

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

void DBSettings::assign(const DBBase* other)
{
    DBBase::assign(other);
    const DBSettings* settings = qobject_cast<const DBSettings*>(other);
    if (!settings)
        return;
    setLastFolder(settings->m_lastFolder);
    setArticleTitle(settings->m_articleTitle);
    setArticleIntro(settings->m_articleIntro);
    setArticleBody(settings->m_articleBody);
    setSpinnerTitle(settings->m_spinnerTitle);
    setSpinnerIntro(settings->m_spinnerIntro);
    setSpinnerBody(settings->m_spinnerBody);
}

} // namespace Vexal
