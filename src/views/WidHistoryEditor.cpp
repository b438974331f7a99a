#include "views/WidHistoryEditor.h"

#include "texts/ConstIcon.h"
#include "texts/LocaleHistory.h"
#include "data/DBHistory.h"

namespace Vexal {

QString WidHistoryEditor::typeName() const
{
    return LocaleHistory::history();
}

void WidHistoryEditor::createWidgets()
{
    idEdit = new QLineEdit(m_body);
    idEdit->setReadOnly(true);
    addFieldRow(LocaleHistory::id(), idEdit);
    titleEdit = addTextField(LocaleHistory::title(), &DBBase::name, &DBBase::setName, LocaleHistory::history());
    urlEdit = addTextField(LocaleHistory::url(), &DBHistory::url, &DBHistory::setUrl, LocaleHistory::urlPrefix());
    commentsEdit = addCommentsField(LocaleHistory::comments());
    commentsEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    commentsEdit->setMaximumHeight(100);
    finishForm();
}

DBBase* WidHistoryEditor::createRecord()
{
    return new DBHistory(this);
}

void WidHistoryEditor::fillWidgets(DBBase* record)
{
    if (!qobject_cast<DBHistory*>(record)) {
        reportInvalidObject(QStringLiteral("db"));
        return;
    }
    idEdit->setText(QString::number(record->id()));
    BaseEditor::fillWidgets(record);
}

void WidHistoryEditor::clearWidgets()
{
    idEdit->clear();
    BaseEditor::clearWidgets();
}

void WidHistoryEditor::storeWidgets(DBBase* record)
{
    auto* history = qobject_cast<DBHistory*>(record);
    if (!history) {
        reportInvalidObject(QStringLiteral("db"));
        return;
    }
    if (history->icon().isNull())
        history->setIcon(ConstIcon::webPage(16));
    BaseEditor::storeWidgets(record);
    history->setTitle(titleEdit->text());
}

} // namespace Vexal
