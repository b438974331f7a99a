#pragma once

#include "shell/WidFindBase.h"

class QLineEdit;

namespace Vexal {

// The replace bar: emits the text to find and its replacement; Enter in
// either edit replaces forward.
class WidReplace final : public WidTextFindBase
{
    Q_OBJECT
public:
    explicit WidReplace(QWidget* parent = nullptr);

    QLabel* withLabel() const { return m_withLabel; }
    QLineEdit* replaceEdit() const { return m_replaceEdit; }
    QToolButton* replaceAllButton() const { return m_actionButton; }

signals:
    void onReplace(const QString& text, const QString& with, bool forward, bool matchCase);
    void onReplaceAll(const QString& text, const QString& with, bool matchCase);

public slots:
    void slotReplaceNext();
    void slotReplacePrevious();
    void slotReplaceAll();

protected:
    void create() override;
    void slotNext() override { slotReplaceNext(); }
    void slotPrevious() override { slotReplacePrevious(); }
    void slotAction() override { slotReplaceAll(); }

private:
    void replace(bool forward);

    QLabel* m_withLabel = nullptr;
    QLineEdit* m_replaceEdit = nullptr;
};

} // namespace Vexal
