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
    QStringList lines;
    switch (filter) {
    case FilterAll: lines = Logger::allLines(); break;
    case FilterErrors: lines = Logger::errors(); break;
    case FilterWarnings: lines = Logger::warnings(); break;
    case FilterInfo: lines = Logger::infos(); break;
    default: return;
    }
    m_filter = filter;
    if (!m_textEdit)
        return;
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
