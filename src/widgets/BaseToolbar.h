#pragma once

#include <QString>

class QHBoxLayout;
class QPixmap;
class QToolButton;
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
