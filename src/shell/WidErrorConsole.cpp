#include "shell/WidErrorConsole.h"

#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "data/File.h"
#include "data/UtilFileDialog.h"
#include "widgets/UtilGui.h"
#include "shell/WidErrorConsoleToolbar.h"
#include "widgets/WidTextEdit.h"
#include "texts/LocaleConsole.h"

#include <QVBoxLayout>

namespace Vexal {

WidErrorConsole::WidErrorConsole(QWidget* parent)
    : WidTextTab(parent)
{
}

QString WidErrorConsole::title() const
{
    return LocaleConsole::errorConsole();
}

void WidErrorConsole::setInit(QObject* init)
{
    BaseTab::setInit(init);
    if (!m_textEdit)
        createWidgets();
    m_linesShown = 0;
    m_lastLineShown.clear();
    showNewest();
}

void WidErrorConsole::showEvent(QShowEvent* event)
{
    WidTextTab::showEvent(event);
    if (!m_textEdit)
        return;
    const QStringList lines = Logger::allLines();
    if (lines.size() != m_linesShown || (!lines.isEmpty() && lines.last() != m_lastLineShown))
        showNewest();
}

// A message that sends the user here refers to the newest error or warning.
// A filter that hides it gives way: to the errors for an error, to all lines
// for a warning (the errors before it stay in view).
void WidErrorConsole::showNewest()
{
    QVector<Logger::Level> levels;
    const QStringList lines = Logger::allLines(&levels);
    const bool cleared = lines.size() < m_linesShown
                         || (m_linesShown > 0 && lines.at(m_linesShown - 1) != m_lastLineShown);
    int newest = -1;
    for (int i = levels.size() - 1; i >= (cleared ? 0 : m_linesShown) && newest < 0; --i) {
        if (levels.at(i) == Logger::LevelError)
            newest = FilterErrors;
        else if (levels.at(i) == Logger::LevelWarning)
            newest = FilterWarnings;
    }
    if (newest >= 0 && m_filter != newest && m_filter != FilterAll) {
        if (newest == FilterErrors)
            m_toolbar->slotShowErrors();
        else
            m_toolbar->slotShowAll();
        return;
    }
    slotReload();
}

void WidErrorConsole::createWidgets()
{
    m_toolbar = new WidErrorConsoleToolbar(this);
    m_toolbar->build();
    connect(m_toolbar, &WidErrorConsoleToolbar::onShowAll, this, &WidErrorConsole::slotShowAll);
    connect(m_toolbar, &WidErrorConsoleToolbar::onShowErrors, this, &WidErrorConsole::slotShowErrors);
    connect(m_toolbar, &WidErrorConsoleToolbar::onShowWarnings, this, &WidErrorConsole::slotShowWarnings);
    connect(m_toolbar, &WidErrorConsoleToolbar::onShowInfo, this, &WidErrorConsole::slotShowInfo);
    connect(m_toolbar, &WidErrorConsoleToolbar::onClear, this, &WidErrorConsole::slotClear);
    connect(m_toolbar, &WidErrorConsoleToolbar::onReload, this, &WidErrorConsole::slotReload);

    m_textEdit = new WidTextEdit(this);

    QVBoxLayout* layout = UtilGui::createVBoxLayout(this);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_textEdit);
}

void WidErrorConsole::slotShowAll() { showList(FilterAll); }
void WidErrorConsole::slotShowErrors() { showList(FilterErrors); }
void WidErrorConsole::slotShowWarnings() { showList(FilterWarnings); }
void WidErrorConsole::slotShowInfo() { showList(FilterInfo); }

void WidErrorConsole::slotReload()
{
    showList(m_filter);
}

void WidErrorConsole::slotClear()
{
    Logger::trimLists(true);
    slotReload();
}

void WidErrorConsole::showList(int filter)
{
    // Read first: a line logged meanwhile counts as not shown yet.
    const QStringList all = Logger::allLines();
    QStringList lines;
    switch (filter) {
    case FilterAll: lines = all; break;
    case FilterErrors: lines = Logger::errors(); break;
    case FilterWarnings: lines = Logger::warnings(); break;
    case FilterInfo: lines = Logger::infos(); break;
    default: return;
    }
    m_filter = filter;
    if (!m_textEdit)
        return;
    m_linesShown = all.size();
    m_lastLineShown = all.isEmpty() ? QString() : all.last();
    // The logger escapes the texts inside its lines; they are joined as they are.
    const QString page = QStringLiteral("<html><body>") + lines.join(QString()) + QStringLiteral("</body></html>");
    m_textEdit->setHtml(page);
}

void WidErrorConsole::reload()
{
    slotReload();
}

QString WidErrorConsole::savedText() const
{
    return m_textEdit->document()->toHtml(QByteArrayLiteral("utf-8"));
}

} // namespace Vexal
