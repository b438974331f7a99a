#pragma once

#include <QMap>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace Vexal {

// Keeps, per command id of one journal or editor, its context-menu action and
// its toolbar button together, so that both are enabled or disabled at once.
// The actions and widgets belong to their menus and toolbars; entries whose
// object was deleted are skipped.
class SyncManager final : public QObject
{
    Q_OBJECT
public:
    explicit SyncManager(QObject* parent = nullptr);

    // Registering again under the same id replaces the earlier entry.
    void addWidget(int id, QWidget* widget);
    void addAction(int id, QAction* action);

    // Sets the action of the id, if any, then the widget of the id, if any.
    void setEnabled(int id, bool enabled);
    // The enabled state of the id's action; false when it has none.
    bool isEnabled(int id) const;

private:
    QMap<int, QPointer<QAction>> m_actions;
    QMap<int, QPointer<QWidget>> m_widgets;
};

} // namespace Vexal
