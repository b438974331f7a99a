#pragma once

#include "views/BaseJournalToolbar.h"

#include <QList>
#include <QPixmap>
#include <QString>

namespace Vexal {

// A journal bar with the area's own commands between Remove and Reload: each
// a button registered under its command id, reported by onCommand(id).
class WidContentToolbar final : public BaseJournalToolbar
{
    Q_OBJECT
public:
    struct Command
    {
        QPixmap pixmap;
        QString text;
        int id;
    };

    WidContentToolbar(SyncManager* syncManager, const QList<Command>& commands, QWidget* parent = nullptr);

signals:
    void onCommand(int id);

protected:
    void createExtraButtons() override;

private:
    QList<Command> m_commands;
};

} // namespace Vexal
