#pragma once

#include "shell/WidFindBase.h"

class QCheckBox;
class QLineEdit;

namespace Vexal {

// The replace bar: emits the text to find and its replacement; Enter in
// either edit replaces forward.
class WidReplace final : public WidFindBase
{
    Q_OBJECT
public:
    explicit WidReplace(QWidget* parent = nullptr);

    void activate(const QString& text) override;

    QLineEdit* edit() const { return m_edit; }
    QLabel* withLabel() const { return m_withLabel; }
    QLineEdit* replaceEdit() const { return m_replaceEdit; }
    QToolButton* nextButton() const { return m_nextButton; }
    QToolButton* previousButton() const { return m_previousButton; }
    QToolButton* replaceAllButton() const { return m_replaceAllButton; }
    QCheckBox* matchCase() const { return m_matchCase; }

signals:
    void onReplace(const QString& text, const QString& with, bool forward, bool matchCase);
    void onReplaceAll(const QString& text, const QString& with, bool matchCase);

public slots:
    void slotReplaceNext();
    void slotReplacePrevious();
    void slotReplaceAll();

protected:
    void create() override;

private:
    void replace(bool forward);

    QLineEdit* m_edit = nullptr;
    QLabel* m_withLabel = nullptr;
    QLineEdit* m_replaceEdit = nullptr;
    QToolButton* m_nextButton = nullptr;
    QToolButton* m_previousButton = nullptr;
    QToolButton* m_replaceAllButton = nullptr;
    QCheckBox* m_matchCase = nullptr;
};

} // namespace Vexal
