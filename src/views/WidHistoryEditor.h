#pragma once

#include "views/BaseEditor.h"

namespace Vexal {

// The editor tab of one visit: ID (read-only), Title (the record's Name, also
// written to its Title), Url and Comments.
class WidHistoryEditor final : public BaseEditor
{
    Q_OBJECT
public:
    using BaseEditor::BaseEditor;

    QString typeName() const override;

    QLineEdit* idEdit = nullptr;
    QLineEdit* titleEdit = nullptr;
    QLineEdit* urlEdit = nullptr;
    QPlainTextEdit* commentsEdit = nullptr;

protected:
    void createWidgets() override;
    DBBase* createRecord() override;
    void fillWidgets(DBBase* record) override;
    void clearWidgets() override;
    void storeWidgets(DBBase* record) override;
};

} // namespace Vexal
