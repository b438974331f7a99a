#include "sites/WidRankEditor.h"

#include "sites/DBRank.h"
#include "texts/LocaleRank.h"

#include <QDateEdit>

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
    dateEdit = new QDateEdit(m_body);
    dateEdit->setCalendarPopup(true);
    dateEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    addFieldRow(LocaleRank::createDate(), dateEdit);
    addIntField(LocaleRank::googlePR(), &DBRank::google, &DBRank::setGoogle, 0, 10);
    addIntField(LocaleRank::alexaRank(), &DBRank::alexa, &DBRank::setAlexa, 0, INT_MAX);
    addCommentsField(LocaleRank::comments());
    finishForm();
}

void WidRankEditor::fillWidgets(DBBase* record)
{
    BaseEditor::fillWidgets(record);
    if (auto* rank = qobject_cast<DBRank*>(record))
        dateEdit->setDate(rank->createDate().isValid() ? rank->createDate() : QDate::currentDate());
}

void WidRankEditor::clearWidgets()
{
    BaseEditor::clearWidgets();
    dateEdit->setDate(QDate::currentDate());
}

void WidRankEditor::storeWidgets(DBBase* record)
{
    BaseEditor::storeWidgets(record);
    if (auto* rank = qobject_cast<DBRank*>(record))
        rank->setCreateDate(dateEdit->date());
}

void WidRankEditor::connectWidgets()
{
    BaseEditor::connectWidgets();
    m_dateConnection = connect(dateEdit, &QDateEdit::dateChanged, this, &BaseEditor::handleDirty);
}

void WidRankEditor::disconnectWidgets()
{
    BaseEditor::disconnectWidgets();
    disconnect(m_dateConnection);
}

} // namespace Vexal
