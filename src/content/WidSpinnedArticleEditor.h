#pragma once

#include "content/BaseContentEditor.h"

namespace Vexal {

class WidArticleComboBox;

// A spun article: name, article, the three parts (spintax with its dialect,
// then the final text), Submitted and comments.
class WidSpinnedArticleEditor final : public BaseContentEditor
{
    Q_OBJECT
public:
    explicit WidSpinnedArticleEditor(QWidget* parent = nullptr);

    WidArticleComboBox* articleBox = nullptr;
    QPlainTextEdit* titleEdit = nullptr;
    QLineEdit* titleFinalEdit = nullptr;
    QPlainTextEdit* introEdit = nullptr;
    QPlainTextEdit* introFinalEdit = nullptr;
    QPlainTextEdit* bodyEdit = nullptr;
    QPlainTextEdit* bodyFinalEdit = nullptr;
    QCheckBox* submittedBox = nullptr;

protected:
    void createWidgets() override;
};

} // namespace Vexal
