#pragma once

#include "shell/BaseTab.h"

#include <QWidget>

class QCommandLinkButton;
class QScrollArea;
class QVBoxLayout;

namespace Vexal {

class WidNotificationConsoleToolbar;

// The tab that lists the first five stored server notices as checkable
// buttons; Select All checks them, Delete removes the checked ones from the
// store, Reload shows the store as it now stands.
class WidNotificationConsole final : public QWidget, public BaseTab
{
    Q_OBJECT
public:
    static constexpr int maxShown = 5;

    explicit WidNotificationConsole(QWidget* parent = nullptr);

    WidNotificationConsoleToolbar* toolbar() const { return m_toolbar; }
    QVBoxLayout* listLayout() const { return m_listLayout; }
    // The notice buttons in list order.
    QList<QCommandLinkButton*> noticeButtons() const;
    // The store key a notice button stands for; -1 for anything else.
    static int keyOf(const QWidget* button);

    QString title() const override;
    void setInit(QObject* init) override;
    void remove() override;
    void selectAll() override;
    void reload() override;

public slots:
    void slotSelect();
    void slotDelete();
    void slotReload();

protected:
    virtual void createWidgets();

private:
    void setContext(const QString& action) const;

    WidNotificationConsoleToolbar* m_toolbar = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    QVBoxLayout* m_listLayout = nullptr;
};

} // namespace Vexal
