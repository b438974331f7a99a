#include "shell/WidPageSource.h"

#include "widgets/HtmlHighlighter.h"
#include "core/Init.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/File.h"
#include "data/UtilFileDialog.h"
#include "widgets/UtilGui.h"
#include "shell/WidPageSourceToolbar.h"
#include "widgets/WidTextEdit.h"
#include "texts/LocaleConsole.h"

#include <QTextCursor>
#include <QVBoxLayout>

namespace Vexal {

WidPageSource::WidPageSource(QWidget* parent)
    : WidTextTab(parent)
{
}

QString WidPageSource::title() const
{
    return LocaleConsole::sourceOf(BaseTab::title());
}

void WidPageSource::setInit(QObject* init)
{
    BaseTab::setInit(init);
    if (!m_textEdit)
        createWidgets();
    Init* start = BaseTab::init();
    setTitle(start->title());
    m_textEdit->setPlainText(start->text());
    m_textEdit->moveCursor(QTextCursor::Start);
}

void WidPageSource::createWidgets()
{
    m_toolbar = new WidPageSourceToolbar(this);
    m_toolbar->build();
    connect(m_toolbar, &WidPageSourceToolbar::onHighlight, this, &WidPageSource::handleHighlight);
    connect(m_toolbar, &WidPageSourceToolbar::onWordWrap, this, &WidPageSource::handleWordWrap);

    m_textEdit = new WidTextEdit(this);
    m_textEdit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_highlighter = new HtmlHighlighter(m_textEdit->document());

    QVBoxLayout* layout = UtilGui::createVBoxLayout(this);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_textEdit);
}

void WidPageSource::handleHighlight()
{
    if (m_highlighter)
        m_highlighter->setEnabled(!m_highlighter->isEnabled());
}

void WidPageSource::handleWordWrap()
{
    if (!m_textEdit)
        return;
    if (m_textEdit->wordWrapMode() == QTextOption::NoWrap)
        m_textEdit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    else
        m_textEdit->setWordWrapMode(QTextOption::NoWrap);
}

void WidPageSource::zoomReset()
{
    if (m_textEdit)
        m_textEdit->resetZoom();
}

QString WidPageSource::savedText() const
{
    return m_textEdit->toPlainText();
}

} // namespace Vexal
