#include "content/WidSpinnedArticleEditor.h"

#include "content/DBSpinnedArticle.h"
#include "content/WidArticleComboBox.h"
#include "texts/LocaleArticle.h"

namespace Vexal {

WidSpinnedArticleEditor::WidSpinnedArticleEditor(QWidget* parent)
    : BaseContentEditor(parent, kind<DBSpinnedArticle>(LocaleArticle::spunArticle))
{
}

void WidSpinnedArticleEditor::createWidgets()
{
    addNameField(LocaleArticle::name());
    articleBox = addIdField<WidArticleComboBox>(LocaleArticle::articleLabel(), &DBSpinnedArticle::articleId,
                                                &DBSpinnedArticle::setArticleId, false);
    titleEdit = addSpintaxPart(LocaleArticle::title(), &DBSpinnedArticle::title, &DBSpinnedArticle::setTitle,
                               &DBSpinnedArticle::titleMode, &DBSpinnedArticle::setTitleMode);
    titleEdit->setMaximumHeight(titleEdit->fontMetrics().lineSpacing() * 4);
    titleFinalEdit = addTextField(LocaleArticle::finalTitle(), &DBSpinnedArticle::titleFinal,
                                  &DBSpinnedArticle::setTitleFinal);
    introEdit = addSpintaxPart(LocaleArticle::intro(), &DBSpinnedArticle::intro, &DBSpinnedArticle::setIntro,
                               &DBSpinnedArticle::introMode, &DBSpinnedArticle::setIntroMode);
    introFinalEdit = addTextArea(LocaleArticle::finalIntro(), &DBSpinnedArticle::introFinal,
                                 &DBSpinnedArticle::setIntroFinal);
    bodyEdit = addSpintaxPart(LocaleArticle::body(), &DBSpinnedArticle::body, &DBSpinnedArticle::setBody,
                              &DBSpinnedArticle::bodyMode, &DBSpinnedArticle::setBodyMode);
    bodyFinalEdit = addTextArea(LocaleArticle::finalBody(), &DBSpinnedArticle::bodyFinal,
                                &DBSpinnedArticle::setBodyFinal);
    submittedBox = addBoolField(LocaleArticle::submitted(), &DBSpinnedArticle::isSubmitted,
                                &DBSpinnedArticle::setSubmitted);
    addTextArea(LocaleArticle::comments(), &DBSpinnedArticle::comments, &DBSpinnedArticle::setComments);
    setDefaultTextEdit(bodyEdit);
    finishForm();
}

} // namespace Vexal
