#include "content/WidCategoryEditor.h"

#include "data/DBCategory.h"
#include "content/WidCategoryComboBox.h"
#include "core/Init.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleArticle.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

WidCategoryEditor::WidCategoryEditor(QWidget* parent)
    : BaseContentEditor(parent, kind<DBCategory>(LocaleArticle::category))
{
}

void WidCategoryEditor::createWidgets()
{
    addNameField(LocaleArticle::name());
    masterBox = addIdField<WidCategoryComboBox>(LocaleArticle::master(), &DBCategory::masterId,
                                                &DBCategory::setMasterId, false);
    addCommentsField(LocaleArticle::comments());
    finishForm();
}

bool WidCategoryEditor::validate()
{
    const qint64 id = init() ? init()->id() : -1;
    if (id != -1 && masterBox->currentId() == id) {
        UtilGui::warning(this, LocaleMessage::requiredItemsMissing());
        return false;
    }
    return BaseContentEditor::validate();
}

} // namespace Vexal
