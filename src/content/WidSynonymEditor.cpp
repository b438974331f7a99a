#include "content/WidSynonymEditor.h"

#include "content/DBLanguageList.h"
#include "content/DBSynonym.h"
#include "content/DBSynonymList.h"
#include "core/Init.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleArticle.h"
#include "texts/LocaleInstance.h"
#include "texts/LocaleMessage.h"

namespace Vexal {

WidSynonymEditor::WidSynonymEditor(QWidget* parent)
    : BaseContentEditor(parent, kind<DBSynonym>(LocaleArticle::synonym))
{
}

void WidSynonymEditor::createWidgets()
{
    addNameField(LocaleArticle::name());
    addCommentsField(LocaleArticle::comments());
    finishForm();
}

qint64 WidSynonymEditor::wordId() const
{
    if (init()->id() == -1)
        return init()->secondId();
    DBSynonym stored;
    return stored.load(init()->id()) ? stored.wordId() : -1;
}

void WidSynonymEditor::storeWidgets(DBBase* record)
{
    BaseContentEditor::storeWidgets(record);
    auto* synonym = qobject_cast<DBSynonym*>(record);
    if (synonym && synonym->wordId() <= 0)
        synonym->setWordId(init()->secondId());
}

bool WidSynonymEditor::validate()
{
    if (!BaseContentEditor::validate())
        return false;
    const qint64 word = wordId();
    if (word <= 0) {
        // Without a language there can be no word to file the synonym under.
        DBLanguageList languages;
        const bool noLanguage = !languages.hasRows() && languages.errorText().isEmpty();
        UtilGui::warning(this, noLanguage ? LocaleMessage::tableEmpty(LocaleInstance::languages(),
                                                                      QStringLiteral("languages.xml"))
                                          : LocaleMessage::requiredItemsMissing());
        return false;
    }
    DBSynonymList synonyms(word, nameEdit->text());
    if (!synonyms.load()) {
        reportListError(&synonyms);
        return false;
    }
    for (int i = 0; i < synonyms.count(); ++i) {
        if (synonyms.at(i)->id() != init()->id()) {
            UtilGui::warning(this, LocaleArticle::synonymExists());
            return false;
        }
    }
    return true;
}

} // namespace Vexal
