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
    // Asks for a file name and writes savedText() to it, reporting the outcome.
    void save() override;

protected:
    void setContext(const QString& action) const;
    // What Save writes; asked only while the text view exists.
    virtual QString savedText() const = 0;

    WidTextEdit* m_textEdit = nullptr;
};

} // namespace Vexal
