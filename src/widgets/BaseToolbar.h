#pragma once

#include <QObject>
#include <QString>
#include <QToolButton>

class QHBoxLayout;
class QPixmap;
class QWidget;

namespace Vexal {

class SyncManager;
class TooltipManager;

// The build of every tool bar: a plain interface mixed in second after the
// bar's widget class. build() lays the bar out in five groups, each a virtual
// step that a bar fills or leaves empty. Command buttons start disabled and
// are enabled by the owning page through its sync manager.
class BaseToolbar
{
public:
    explicit BaseToolbar(SyncManager* syncManager);
    virtual ~BaseToolbar();

    BaseToolbar(const BaseToolbar&) = delete;
    BaseToolbar& operator=(const BaseToolbar&) = delete;

    // Call once, right after constructing the bar.
    void build();

    // A 32-pixel tool button with the text as tooltip. A non-zero command id
    // registers it with the sync manager, disabled; id 0 is always enabled.
    QToolButton* addButton(const QPixmap& pixmap, const QString& text, int commandId);
    // The same, its click connected to a signal or slot of the bar.
    template <class Bar, class Member>
    QToolButton* addButton(const QPixmap& pixmap, const QString& text, int commandId, Bar* bar, Member member)
    {
        QToolButton* button = addButton(pixmap, text, commandId);
        QObject::connect(button, &QToolButton::clicked, bar, member);
        return button;
    }
    // Tooltips, which shows or hides the tooltips of the bar's buttons, then
    // a separator.
    void addTooltipsButton(const QString& text);
    void toggleTooltips();
    void addSeparator();
    void addStretch();

    SyncManager* syncManager() const { return m_syncManager; }
    TooltipManager* tooltipManager() const { return m_tooltipManager; }
    QHBoxLayout* barLayout() const { return m_layout; }

protected:
    virtual void create();
    virtual void createTooltipsButton();
    virtual void createButtons();
    virtual void createExtraButtons();
    virtual void createTrailing();
    virtual void createCloseButton();

    // The bar widget this interface is mixed into.
    virtual QWidget* barWidget();

private:
    SyncManager* m_syncManager = nullptr;
    TooltipManager* m_tooltipManager = nullptr;
    QHBoxLayout* m_layout = nullptr;
};

} // namespace Vexal
