#include "automation/smart/SmartFormRecogniser.h"

#include "automation/smart/SmartElement.h"

#include <iterator>

namespace Vexal {

using E = SmartElement;

SmartFormRecogniser::SmartFormRecogniser(SmartForm form, QObject* parent)
    : SmartMaster(parent)
    , m_form(form)
{
}

void SmartFormRecogniser::analyse(const PageDomHandle& page)
{
    run(page, pipeline());
}

void SmartFormRecogniser::analyse(PageDom& page)
{
    run(page, pipeline());
}

SmartMaster::Pipeline SmartFormRecogniser::pipeline()
{
    struct FormTable {
        QList<int> types;
        QList<int> scoreTypes;
        QList<int> repeatable;
        bool skipSmallChoice;
    };
    // In the order of SmartForm.
    static const FormTable tables[] = {
        {{E::TypeCheckBox, E::TypeSelect, E::TypeText, E::TypeTextArea, E::TypeIFrame},
         {E::TypeText, E::TypeTextArea, E::TypeSelect, E::TypeIFrame},
         {E::KindSpam},
         false},
        {{E::TypeCheckBox, E::TypePassword, E::TypeRadio, E::TypeSelect, E::TypeText, E::TypeTextArea},
         {E::TypeText, E::TypePassword, E::TypeTextArea},
         {E::KindPassword, E::KindEmail, E::KindSpam, E::KindDescription},
         false},
        {{E::TypeCheckBox, E::TypePassword, E::TypeRadio, E::TypeSelect, E::TypeText, E::TypeTextArea},
         {E::TypeText, E::TypePassword},
         {E::KindPassword, E::KindEmail, E::KindSpam, E::KindQuestion, E::KindAnswer, E::KindCountry, E::KindAddress,
          E::KindAddressDetails, E::KindCity, E::KindZipCode, E::KindPhone, E::KindFirstName, E::KindLastName,
          E::KindFullName},
         false},
        {{E::TypeCheckBox, E::TypePassword, E::TypeSelect, E::TypeText, E::TypeTextArea},
         {E::TypeText, E::TypeTextArea, E::TypeSelect},
         {E::KindPassword, E::KindSpam},
         true},
    };
    static_assert(std::size(tables) == SmartFormSocialBookmark + 1, "one row for each form");
    const FormTable& table = tables[m_form];
    Pipeline pipeline;
    pipeline.types = table.types;
    pipeline.scoreTypes = table.scoreTypes;
    pipeline.repeatable = table.repeatable;
    pipeline.skipSmallChoice = table.skipSmallChoice;
    pipeline.signUp = m_form == SmartFormRegistration;
    pipeline.classify = [this](QList<SmartElement*>& list) { classifyWith(m_form, list); };
    return pipeline;
}

} // namespace Vexal
