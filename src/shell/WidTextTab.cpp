#include "shell/WidTextTab.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/File.h"
#include "data/UtilFileDialog.h"
#include "widgets/WidTextEdit.h"
#include "texts/LocaleConsole.h"

#include <QTextCursor>

namespace Vexal {

WidTextTab::WidTextTab(QWidget* parent)
    : QWidget(parent)
{
}

QString WidTextTab::selectedText() const
{
    return m_textEdit ? m_textEdit->textCursor().selectedText() : QString();
}

void WidTextTab::copy()
{
    if (m_textEdit)
        m_textEdit->copy();
}

void WidTextTab::selectAll()
{
    if (m_textEdit)
        m_textEdit->selectAll();
}

void WidTextTab::find(const QString& text, bool forward, bool matchCase)
{
    setContext(LocaleConsole::find());
    if (m_textEdit)
        m_textEdit->findText(text, forward, matchCase);
}

void WidTextTab::zoomIn()
{
    setContext(LocaleConsole::zoomIn());
    if (m_textEdit)
        m_textEdit->zoomInStep();
}

void WidTextTab::zoomOut()
{
    setContext(LocaleConsole::zoomOut());
    if (m_textEdit)
        m_textEdit->zoomOutStep();
}

void WidTextTab::zoomReset()
{
    setContext(LocaleConsole::zoomReset());
    if (m_textEdit)
        m_textEdit->resetZoom();
}

void WidTextTab::setContext(const QString& action) const
{
    Logger::setContext(QLatin1String(metaObject()->className()), action);
}

void WidTextTab::save()
{
    setContext(LocaleConsole::save());
    if (!m_textEdit)
        return;
    const QString text = savedText();
    const QString fileName = UtilFileDialog::getSaveFileName(this, UtilFileDialog::filterHtml());
    if (fileName.isEmpty())
        return;
    File file(fileName);
    if (file.write(text)) {
        UtilSignalManager::instance()->emitInfo(LocaleConsole::operationCompleted());
    } else {
        Logger::error(file.errorText());
        UtilSignalManager::instance()->emitError(LocaleConsole::operationFailed());
    }
}

} // namespace Vexal
