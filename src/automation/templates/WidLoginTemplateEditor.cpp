#include "automation/templates/WidLoginTemplateEditor.h"

#include "automation/templates/DBLoginTemplate.h"
#include "automation/templates/LocaleTemplate.h"

namespace Vexal {

WidLoginTemplateEditor::WidLoginTemplateEditor(QWidget* parent)
    : BaseTemplateEditor(parent, kind<DBLoginTemplate>(LocaleTemplate::loginTemplate))
{
}

void WidLoginTemplateEditor::createBody()
{
    BaseEditor::createBody();
}

void WidLoginTemplateEditor::createWidgets()
{
    using R = DBLoginTemplate;
    bindRecordClass<R>();
    QGridLayout* grid = m_formLayout;
    addCommonRows(grid);
    addSelectorRow(grid, LocaleTemplate::login(), &R::login, &R::setLogin);
    addSelectorRow(grid, LocaleTemplate::password(), &R::password, &R::setPassword);
    addSelectorRow(grid, LocaleTemplate::submit(), &R::submit, &R::setSubmit);
    addCommentsRow(grid);
    finishPage(grid);
}

} // namespace Vexal
