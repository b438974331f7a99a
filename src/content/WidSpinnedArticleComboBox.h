#pragma once

#include "views/BaseComboBox.h"

namespace Vexal {

// The spun articles of one article in the current project, sorted by name.
class WidSpinnedArticleComboBox final : public BaseComboBox
{
    Q_OBJECT
public:
    explicit WidSpinnedArticleComboBox(QWidget* parent = nullptr);

    // -1 only clears the box.
    void reload(qint64 articleId);
};

} // namespace Vexal
