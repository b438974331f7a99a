#include "content/WidDirectoryEditor.h"

#include "content/WidCategoryComboBox.h"
#include "data/DBDirectory.h"
#include "texts/LocaleDirectory.h"

namespace Vexal {

WidDirectoryEditor::WidDirectoryEditor(QWidget* parent)
    : BaseContentEditor(parent, kind<DBDirectory>(LocaleDirectory::directory))
{
}

void WidDirectoryEditor::createWidgets()
{
    addNameField(LocaleDirectory::name());
    categoryBox = addIdField<WidCategoryComboBox>(LocaleDirectory::category(), &DBDirectory::categoryId,
                                                  &DBDirectory::setCategoryId, false);
    addTextField(LocaleDirectory::title(), &DBDirectory::title, &DBDirectory::setTitle);
    addTextField(LocaleDirectory::tags(), &DBDirectory::tags, &DBDirectory::setTags);
    urlEdit = addTextField(LocaleDirectory::url(), &DBDirectory::url, &DBDirectory::setUrl,
                           LocaleDirectory::urlPrefix());
    addTextArea(LocaleDirectory::description(), &DBDirectory::description, &DBDirectory::setDescription);
    addTextField(LocaleDirectory::userName(), &DBDirectory::userName, &DBDirectory::setUserName);
    addTextField(LocaleDirectory::userEmail(), &DBDirectory::userEmail, &DBDirectory::setUserEmail);
    addTextArea(LocaleDirectory::comments(), &DBDirectory::comments, &DBDirectory::setComments);
    finishForm();
}

} // namespace Vexal
