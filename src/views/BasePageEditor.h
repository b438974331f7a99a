#pragma once

#include "views/BaseEditor.h"

namespace Vexal {

// The editor tab of one web page record, a bookmark or a visit: ID
// (read-only), Title (the record's Name, also written to its Title; a new one
// starts on the kind's name), Url, the kind's own rows and Comments. A page
// saved without an icon gets the plain page icon.
class BasePageEditor : public BaseEditor
{
    Q_OBJECT
public:
    using BaseEditor::BaseEditor;

    QLineEdit* idEdit = nullptr;
    QLineEdit* titleEdit = nullptr;
    QLineEdit* urlEdit = nullptr;
    QPlainTextEdit* commentsEdit = nullptr;

protected:
    void createWidgets() override;
    // The kind's rows between Url and Comments; none by default.
    virtual void createKindWidgets();
    void fillWidgets(DBBase* record) override;
    void clearWidgets() override;
    void storeWidgets(DBBase* record) override;
};

} // namespace Vexal
