#include "automation/SmartSocialBookmark.h"

#include "automation/SmartSocialBookmarkAttribute.h"
#include "automation/SmartSocialBookmarkField.h"
#include "automation/SmartElement.h"

namespace Vexal {

using E = SmartElement;

SmartSocialBookmark::SmartSocialBookmark(QObject* parent)
    : SmartMaster(parent)
{
}

void SmartSocialBookmark::analyse(QWebView* view)
{
    Pipeline pipeline;
    pipeline.types = {E::TypeCheckBox, E::TypePassword, E::TypeSelect, E::TypeText, E::TypeTextArea};
    pipeline.scoreTypes = {E::TypeText, E::TypeTextArea, E::TypeSelect};
    pipeline.repeatable = {E::KindPassword, E::KindSpam};
    pipeline.skipSmallChoice = true;
    pipeline.classify = [this](QList<SmartElement*>& list) { classifyWith<SmartSocialBookmarkAttribute, SmartSocialBookmarkField>(list); };
    run(view, pipeline);
}

} // namespace Vexal
