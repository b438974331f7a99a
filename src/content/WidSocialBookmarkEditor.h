#pragma once

#include "content/BaseContentEditor.h"

namespace Vexal {

// A social bookmark: name, title, tags, URL, description and comments.
class WidSocialBookmarkEditor final : public BaseContentEditor
{
    Q_OBJECT
public:
    explicit WidSocialBookmarkEditor(QWidget* parent = nullptr);

    QString typeName() const override;

    QLineEdit* nameEdit = nullptr;
    QLineEdit* urlEdit = nullptr;

protected:
    DBBase* createRecord() override;
    void createWidgets() override;
};

} // namespace Vexal
