#pragma once

#include "shell/BaseTab.h"

#include <QWidget>

namespace Vexal {

class WidTextEdit;

// Base of the tab pages that show read-only text in a WidTextEdit (the error
// console and the page source): copy, select all, find, zoom and save act on
// that text view.
class WidTextTab : public QWidget, public BaseTab
{
    Q_OBJECT
public:
    explicit WidTextTab(QWidget* parent = nullptr);

    WidTextEdit* textEdit() const { return m_textEdit; }

    QString selectedText() const override;
    void copy() override;
    void selectAll() override;
    void find(const QString& text, bool forward, bool matchCase) override;
    void zoomIn() override;
    void zoomOut() override;
    void zoomReset() override;

protected:
    void setContext(const QString& action) const;
    // Asks for a file name and writes the text to it, reporting the outcome.
    void saveText(const QString& text);

    WidTextEdit* m_textEdit = nullptr;
};

} // namespace Vexal
