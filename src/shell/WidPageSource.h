#pragma once

#include "shell/WidTextTab.h"

namespace Vexal {

class HtmlHighlighter;
class WidPageSourceToolbar;

// The tab that shows a page's HTML source as read-only text, taken from the
// start parameters (title and text). Highlight and Word Wrap switch the
// colouring and the wrapping; Save writes the source text itself.
class WidPageSource final : public WidTextTab
{
    Q_OBJECT
public:
    explicit WidPageSource(QWidget* parent = nullptr);

    WidPageSourceToolbar* toolbar() const { return m_toolbar; }
    HtmlHighlighter* highlighter() const { return m_highlighter; }

    QString title() const override;
    void setInit(QObject* init) override;
    void zoomReset() override;

public slots:
    void handleHighlight();
    void handleWordWrap();

protected:
    virtual void createWidgets();
    QString savedText() const override;

private:

    WidPageSourceToolbar* m_toolbar = nullptr;
    HtmlHighlighter* m_highlighter = nullptr;
};

} // namespace Vexal
