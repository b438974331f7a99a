#include "content/WidArticleEditor.h"

#include "content/DBArticle.h"
#include "content/WidCategoryComboBox.h"
#include "texts/LocaleArticle.h"
#include "texts/LocaleSql.h"

namespace Vexal {

WidArticleEditor::WidArticleEditor(QWidget* parent)
    : BaseContentEditor(parent, kind<DBArticle>(LocaleArticle::article))
{
}

void WidArticleEditor::createWidgets()
{
    addNameField(LocaleArticle::name());
    categoryBox = addIdField<WidCategoryComboBox>(LocaleArticle::categoryField(), &DBArticle::categoryId,
                                                  &DBArticle::setCategoryId, false);
    titleEdit = addSpintaxPart(LocaleArticle::title(), &DBArticle::title, &DBArticle::setTitle, &DBArticle::titleMode,
                               &DBArticle::setTitleMode);
    titleEdit->setMaximumHeight(titleEdit->fontMetrics().lineSpacing() * 4);
    addTextField(LocaleArticle::tags(), &DBArticle::tags, &DBArticle::setTags);
    addTextField(LocaleSql::colAuthor(), &DBArticle::author, &DBArticle::setAuthor);
    introEdit = addSpintaxPart(LocaleArticle::intro(), &DBArticle::intro, &DBArticle::setIntro, &DBArticle::introMode,
                               &DBArticle::setIntroMode);
    bodyEdit = addSpintaxPart(LocaleArticle::body(), &DBArticle::body, &DBArticle::setBody, &DBArticle::bodyMode,
                              &DBArticle::setBodyMode);
    addTextArea(LocaleArticle::comments(), &DBArticle::comments, &DBArticle::setComments);
    setDefaultTextEdit(bodyEdit);
    finishForm();
}

} // namespace Vexal
