#pragma once

#include "content/BaseContentEditor.h"

namespace Vexal {

class WidCategoryComboBox;

// An article: name, category, the three spintax parts with their dialects,
// tags, author and comments.
class WidArticleEditor final : public BaseContentEditor
{
    Q_OBJECT
public:
    explicit WidArticleEditor(QWidget* parent = nullptr);

    WidCategoryComboBox* categoryBox = nullptr;
    QPlainTextEdit* titleEdit = nullptr;
    QPlainTextEdit* introEdit = nullptr;
    QPlainTextEdit* bodyEdit = nullptr;

protected:
    void createWidgets() override;
};

} // namespace Vexal
