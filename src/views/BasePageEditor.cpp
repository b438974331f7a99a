#include "views/BasePageEditor.h"

#include "data/DBPageRecord.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleBase.h"
#include "texts/LocaleDialog.h"

namespace Vexal {

void BasePageEditor::createWidgets()
{
    idEdit = new QLineEdit(m_body);
    idEdit->setReadOnly(true);
    addFieldRow(LocaleBase::id(), idEdit);
    titleEdit = addTextField(LocaleDialog::title(), &DBBase::name, &DBBase::setName, typeName());
    urlEdit = addTextField(LocaleBase::url(), &DBPageRecord::url, &DBPageRecord::setUrl, LocaleBase::urlPrefix());
    createKindWidgets();
    commentsEdit = addCommentsField(LocaleBase::comments());
    commentsEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    commentsEdit->setMaximumHeight(100);
    finishForm();
}

void BasePageEditor::createKindWidgets()
{
}

void BasePageEditor::fillWidgets(DBBase* record)
{
    if (!qobject_cast<DBPageRecord*>(record)) {
        reportInvalidObject(QStringLiteral("db"));
        return;
    }
    idEdit->setText(QString::number(record->id()));
    BaseEditor::fillWidgets(record);
}

void BasePageEditor::clearWidgets()
{
    idEdit->clear();
    BaseEditor::clearWidgets();
}

void BasePageEditor::storeWidgets(DBBase* record)
{
    auto* page = qobject_cast<DBPageRecord*>(record);
    if (!page) {
        reportInvalidObject(QStringLiteral("db"));
        return;
    }
    if (page->icon().isNull())
        page->setIcon(ConstIcon::webPage(16));
    BaseEditor::storeWidgets(record);
    page->setTitle(titleEdit->text());
}

} // namespace Vexal
