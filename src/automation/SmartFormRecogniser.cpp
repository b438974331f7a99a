#include "automation/SmartFormRecogniser.h"

#include "automation/SmartArticleAttribute.h"
#include "automation/SmartArticleField.h"
#include "automation/SmartDirectoryAttribute.h"
#include "automation/SmartDirectoryField.h"
#include "automation/SmartElement.h"
#include "automation/SmartRegistrationAttribute.h"
#include "automation/SmartRegistrationField.h"
#include "automation/SmartSocialBookmarkAttribute.h"
#include "automation/SmartSocialBookmarkField.h"

namespace Vexal {

using E = SmartElement;

SmartFormRecogniser::SmartFormRecogniser(Form form, QObject* parent)
    : SmartMaster(parent)
    , m_form(form)
{
}

void SmartFormRecogniser::analyse(QWebView* view)
{
    struct FormTable {
        QList<int> types;
        QList<int> scoreTypes;
        QList<int> repeatable;
        bool skipSmallChoice;
        void (*classify)(SmartFormRecogniser*, QList<SmartElement*>&);
    };
    // In the order of Form.
    static const FormTable tables[] = {
        {{E::TypeCheckBox, E::TypeSelect, E::TypeText, E::TypeTextArea, E::TypeIFrame},
         {E::TypeText, E::TypeTextArea, E::TypeSelect, E::TypeIFrame},
         {E::KindSpam},
         false,
         &classifyBy<SmartArticleAttribute, SmartArticleField>},
        {{E::TypeCheckBox, E::TypePassword, E::TypeRadio, E::TypeSelect, E::TypeText, E::TypeTextArea},
         {E::TypeText, E::TypePassword, E::TypeTextArea},
         {E::KindPassword, E::KindEmail, E::KindSpam, E::KindDescription},
         false,
         &classifyBy<SmartDirectoryAttribute, SmartDirectoryField>},
        {{E::TypeCheckBox, E::TypePassword, E::TypeRadio, E::TypeSelect, E::TypeText},
         {E::TypeText, E::TypePassword},
         {E::KindPassword, E::KindEmail, E::KindSpam, E::KindQuestion, E::KindAnswer, E::KindCountry},
         false,
         &classifyBy<SmartRegistrationAttribute, SmartRegistrationField>},
        {{E::TypeCheckBox, E::TypePassword, E::TypeSelect, E::TypeText, E::TypeTextArea},
         {E::TypeText, E::TypeTextArea, E::TypeSelect},
         {E::KindPassword, E::KindSpam},
         true,
         &classifyBy<SmartSocialBookmarkAttribute, SmartSocialBookmarkField>},
    };
    const FormTable& table = tables[m_form];
    Pipeline pipeline;
    pipeline.types = table.types;
    pipeline.scoreTypes = table.scoreTypes;
    pipeline.repeatable = table.repeatable;
    pipeline.skipSmallChoice = table.skipSmallChoice;
    pipeline.classify = [this, &table](QList<SmartElement*>& list) { table.classify(this, list); };
    run(view, pipeline);
}

} // namespace Vexal
