#include "automation/templates/WidDirectoryTemplateEditor.h"

#include "automation/templates/DBDirectoryTemplate.h"
#include "automation/templates/LocaleTemplate.h"
#include "texts/LocaleDirectory.h"

namespace Vexal {

WidDirectoryTemplateEditor::WidDirectoryTemplateEditor(QWidget* parent)
    : BaseTemplateEditor(parent, kind<DBDirectoryTemplate>(LocaleTemplate::directoryTemplate), 32)
{
}

void WidDirectoryTemplateEditor::createWidgets()
{
    using R = DBDirectoryTemplate;
    namespace L = LocaleDirectory;
    QGridLayout* page = addGeneralAndKindPages<R>();
    addSelectorRow(page, L::category(), &R::category, &R::setCategory);
    addSelectorRow(page, L::title(), &R::title, &R::setTitle);
    addSelectorRow(page, L::tags(), &R::tags, &R::setTags);
    addSelectorRow(page, L::url(), &R::url, &R::setUrl);
    addSelectorRow(page, L::userName(), &R::userName, &R::setUserName);
    addSelectorRow(page, L::userEmail(), &R::userEmail, &R::setUserEmail);
    addSelectorRow(page, L::regularLink(), &R::regularLink, &R::setRegularLink);
    addSelectorRow(page, L::acceptTerms(), &R::acceptTerms, &R::setAcceptTerms);
    addSelectorRow(page, L::description(), &R::description, &R::setDescription);
    finishPage(page);
}

} // namespace Vexal
