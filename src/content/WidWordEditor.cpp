#include "content/WidWordEditor.h"

#include "content/DBWord.h"
#include "content/DBWordList.h"
#include "content/WidLanguageComboBox.h"
#include "core/Init.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleArticle.h"

namespace Vexal {

WidWordEditor::WidWordEditor(QWidget* parent)
    : BaseContentEditor(parent, kind<DBWord>(LocaleArticle::word))
{
}

void WidWordEditor::createWidgets()
{
    addNameField(LocaleArticle::name());
    languageBox = addIdField<WidLanguageComboBox>(LocaleArticle::language(), &DBWord::languageId,
                                                  &DBWord::setLanguageId, true);
    addCommentsField(LocaleArticle::comments());
    finishForm();
}

bool WidWordEditor::validate()
{
    if (!BaseContentEditor::validate())
        return false;
    DBWordList words(languageBox->currentId(), nameEdit->text());
    if (!words.load()) {
        reportListError(&words);
        return false;
    }
    const qint64 id = init()->id();
    for (int i = 0; i < words.count(); ++i) {
        if (words.at(i)->id() != id) {
            UtilGui::warning(this, LocaleArticle::wordExists());
            return false;
        }
    }
    return true;
}

} // namespace Vexal
