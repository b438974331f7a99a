#include "sites/WidRankEditor.h"

#include "sites/DBRank.h"
#include "texts/LocaleRank.h"

#include <climits>

namespace Vexal {

WidRankEditor::WidRankEditor(QWidget* parent)
    : BaseEditor(parent, kind<DBRank>(LocaleRank::rank))
{
}

void WidRankEditor::createWidgets()
{
    addNameField(LocaleRank::name());
    hostEdit = addTextField(LocaleRank::host(), &DBRank::host, &DBRank::setHost);
    dateEdit = addDateField(LocaleRank::createDate(), &DBRank::createDate, &DBRank::setCreateDate);
    addIntField(LocaleRank::googlePR(), &DBRank::google, &DBRank::setGoogle, 0, 10);
    addIntField(LocaleRank::alexaRank(), &DBRank::alexa, &DBRank::setAlexa, 0, INT_MAX);
    addCommentsField(LocaleRank::comments());
    finishForm();
}

} // namespace Vexal
