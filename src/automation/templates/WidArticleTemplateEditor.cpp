#include "automation/templates/WidArticleTemplateEditor.h"

#include "automation/templates/DBArticleTemplate.h"
#include "automation/templates/LocaleTemplate.h"
#include "texts/LocaleArticle.h"

namespace Vexal {

WidArticleTemplateEditor::WidArticleTemplateEditor(QWidget* parent)
    : BaseTemplateEditor(parent, kind<DBArticleTemplate>(LocaleTemplate::articleTemplate), 8)
{
}

void WidArticleTemplateEditor::createWidgets()
{
    using R = DBArticleTemplate;
    namespace L = LocaleArticle;
    QGridLayout* page = addGeneralAndKindPages<R>();
    addSelectorRow(page, L::categoryField(), &R::category, &R::setCategory);
    addSelectorRow(page, L::title(), &R::title, &R::setTitle);
    addSelectorRow(page, L::tags(), &R::tags, &R::setTags);
    addSelectorRow(page, L::authorsBio(), &R::author, &R::setAuthor);
    addSelectorRow(page, L::intro(), &R::intro, &R::setIntro);
    addSelectorRow(page, L::body(), &R::body, &R::setBody);
    finishPage(page);
}

} // namespace Vexal
