#include "automation/SmartArticle.h"

#include "automation/SmartArticleAttribute.h"
#include "automation/SmartArticleField.h"
#include "automation/SmartElement.h"

namespace Vexal {

using E = SmartElement;

SmartArticle::SmartArticle(QObject* parent)
    : SmartMaster(parent)
{
}

void SmartArticle::analyse(QWebView* view)
{
    Pipeline pipeline;
    pipeline.types = {E::TypeCheckBox, E::TypeSelect, E::TypeText, E::TypeTextArea, E::TypeIFrame};
    pipeline.scoreTypes = {E::TypeText, E::TypeTextArea, E::TypeSelect, E::TypeIFrame};
    pipeline.repeatable = {E::KindSpam};
    pipeline.skipSmallChoice = false;
    pipeline.classify = [this](QList<SmartElement*>& list) { classifyWith<SmartArticleAttribute, SmartArticleField>(list); };
    run(view, pipeline);
}

} // namespace Vexal
