#pragma once

#include "content/BaseContentEditor.h"

namespace Vexal {

// A social bookmark: name, title, tags, URL, description and comments.
class WidSocialBookmarkEditor final : public BaseContentEditor
{
    Q_OBJECT
public:
    explicit WidSocialBookmarkEditor(QWidget* parent = nullptr);

    QLineEdit* urlEdit = nullptr;

protected:
    void createWidgets() override;
};

} // namespace Vexal
