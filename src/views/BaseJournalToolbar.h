#pragma once

#include "widgets/BaseToolbar.h"

#include <QList>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace Vexal {

// The journal bar: Tooltips, Add, Edit, Delete, Filter, Remove, the area's
// own buttons (createExtraButtons), Reload.
class BaseJournalToolbar : public QWidget, public BaseToolbar
{
    Q_OBJECT
public:
    // One of an area's own commands: a button registered under its id,
    // reported by onCommand(id).
    struct Command
    {
        QPixmap pixmap;
        QString text;
        int id;
    };

    BaseJournalToolbar(SyncManager* syncManager, QWidget* parent = nullptr);
    // The area's own buttons are the commands, in order, between Remove and
    // Reload.
    BaseJournalToolbar(SyncManager* syncManager, const QList<Command>& commands, QWidget* parent = nullptr);

signals:
    void onAdd();
    void onEdit();
    void onDelete();
    void onFilter();
    void onRemoveFilter();
    void onReload();
    // For the areas that add a Signatures button; the base never emits it.
    void onSignatures();
    void onCommand(int id);

public slots:
    void slotTooltips();

protected:
    void createTooltipsButton() override;
    void createButtons() override;
    void createExtraButtons() override;
    void createTrailing() override;
    QWidget* barWidget() override { return this; }

private:
    QList<Command> m_commands;
};

} // namespace Vexal
