#pragma once

#include "shell/BaseTab.h"

#include <QWidget>

namespace Vexal {

class HtmlHighlighter;
class WidPageSourceToolbar;
class WidTextEdit;

// The tab that shows a page's HTML source as read-only text, taken from the
// start parameters (title and text). Highlight and Word Wrap switch the
// colouring and the wrapping; Save writes the source text itself.
class WidPageSource : public QWidget, public BaseTab
{
    Q_OBJECT
public:
    explicit WidPageSource(QWidget* parent = nullptr);

    WidPageSourceToolbar* toolbar() const { return m_toolbar; }
    WidTextEdit* textEdit() const { return m_textEdit; }
    HtmlHighlighter* highlighter() const { return m_highlighter; }

    QString title() const override;
    QString selectedText() const override;
    void setInit(QObject* init) override;
    void save() override;
    void copy() override;
    void selectAll() override;
    void find(const QString& text, bool forward, bool matchCase) override;
    void zoomIn() override;
    void zoomOut() override;
    void zoomReset() override;

public slots:
    void handleHighlight();
    void handleWordWrap();

protected:
    virtual void createWidgets();

private:
    void setContext(const QString& action) const;

    WidPageSourceToolbar* m_toolbar = nullptr;
    WidTextEdit* m_textEdit = nullptr;
    HtmlHighlighter* m_highlighter = nullptr;
};

} // namespace Vexal
