#include "shell/WidSearchBar.h"

#include "core/ConstCore.h"
#include "core/Logger.h"
#include "core/UtilSignalManager.h"
#include "widgets/UtilGui.h"
#include "widgets/UtilPainter.h"
#include "shell/WidSearchEdit.h"
#include "texts/ConstIcon.h"
#include "texts/LocaleBrowser.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenu>
#include <QToolButton>

namespace Vexal {

namespace {

int& engineCode()
{
    static int code = ConstCore::EngineWeb;
    return code;
}

struct Engine {
    int code;
    QString (*text)();
    QPixmap (*icon)(int);
};

const Engine engines[] = {
    { ConstCore::EngineWeb, &LocaleBrowser::google, &ConstIcon::google },
    { ConstCore::EnginePortal, &LocaleBrowser::yahoo, &ConstIcon::yahoo },
    { ConstCore::EngineShop, &LocaleBrowser::amazon, &ConstIcon::amazon },
    { ConstCore::EngineAnswers, &LocaleBrowser::answers, &ConstIcon::answers },
    { ConstCore::EngineEncyclopedia, &LocaleBrowser::wikipedia, &ConstIcon::wikipedia },
};

const Engine* findEngine(int code)
{
    for (const Engine& engine : engines) {
        if (engine.code == code)
            return &engine;
    }
    return nullptr;
}

} // namespace

WidSearchBar::WidSearchBar(QWidget* parent)
    : QWidget(parent)
{
}

int WidSearchBar::currentEngine()
{
    return engineCode();
}

void WidSearchBar::setCurrentEngine(int code)
{
    if (findEngine(code))
        engineCode() = code;
}

void WidSearchBar::build()
{
    QHBoxLayout* layout = UtilGui::createHBoxLayout(this, 2, 2);

    m_engineMenu = new QMenu(this);
    for (const Engine& engine : engines) {
        QAction* action = m_engineMenu->addAction(QIcon(engine.icon(32)), engine.text());
        action->setData(engine.code);
        connect(action, &QAction::triggered, this, &WidSearchBar::slotSearchEngineChanged);
    }

    m_engineButton = UtilGui::createToolButton(ConstIcon::google(16), QString(), this);
    m_engineButton->setMenu(m_engineMenu);
    m_engineButton->setPopupMode(QToolButton::MenuButtonPopup);
    connect(m_engineButton, &QToolButton::clicked, this, &WidSearchBar::slotExecute);

    m_searchEdit = new WidSearchEdit(this);
    connect(m_searchEdit, &WidSearchEdit::onExecute, this, &WidSearchBar::slotExecute);

    connect(UtilSignalManager::instance(), &UtilSignalManager::onUpdateSearchEngine, this,
            &WidSearchBar::handleSearchEngineChanged);

    setEngine(currentEngine());
    layout->addWidget(m_engineButton);
    layout->addWidget(m_searchEdit);
}

void WidSearchBar::setEngine(int code)
{
    const Engine* engine = findEngine(code);
    if (!engine)
        return;
    // The button keeps the 16-pixel icon size it was made with.
    if (m_engineButton)
        m_engineButton->setIcon(QIcon(engine->icon(32)));
    m_queryTemplate = ConstCore::searchTemplate(code);
    engineCode() = code;
}

QUrl WidSearchBar::queryUrl(const QString& words) const
{
    // Encoded, so that '&', '#', '+' and the like stay inside the one value.
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(words));
    return QUrl::fromUserInput(m_queryTemplate.arg(encoded, 0, QLatin1Char(' ')));
}

void WidSearchBar::search(const QString& words)
{
    if (words.isEmpty() || !m_searchEdit)
        return;
    m_searchEdit->setText(words);
    m_searchEdit->setFocus(Qt::OtherFocusReason);
    emit onLoad(queryUrl(words));
}

void WidSearchBar::focusSearch()
{
    if (m_searchEdit)
        m_searchEdit->focusAndSelectAll(Qt::ShortcutFocusReason);
}

void WidSearchBar::slotExecute()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleBrowser::load());
    if (!m_searchEdit || m_searchEdit->text().isEmpty())
        return;
    emit onLoad(queryUrl(m_searchEdit->text()));
}

void WidSearchBar::slotSearchEngineChanged()
{
    Logger::setContext(QString::fromLatin1(metaObject()->className()), LocaleBrowser::updateItems());
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    UtilSignalManager::instance()->emitUpdateSearchEngine(action->data().toInt());
}

void WidSearchBar::handleSearchEngineChanged(int code)
{
    setEngine(code);
}

void WidSearchBar::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    UtilPainter::drawFrame(this);
}

} // namespace Vexal
