#pragma once

#include "shell/WidFindBase.h"

#include <QString>

namespace Vexal {

// The find bar: emits the text to find; the main window hands it to the
// current tab. Select All toggles: the same text twice switches the
// highlighting off (an empty text).
class WidFind final : public WidTextFindBase
{
    Q_OBJECT
public:
    explicit WidFind(QWidget* parent = nullptr);

    QToolButton* selectAllButton() const { return m_actionButton; }
    // The text whose occurrences Select All highlights now; empty when none.
    QString lastFindAll() const { return m_lastFindAll; }

signals:
    void onFind(const QString& text, bool forward, bool matchCase);
    void onFindAll(const QString& text, bool matchCase);

public slots:
    void slotFindNext();
    void slotFindPrevious();
    void slotFindAll();

protected:
    void create() override;
    void slotNext() override { slotFindNext(); }
    void slotPrevious() override { slotFindPrevious(); }
    void slotAction() override { slotFindAll(); }

private:
    void find(bool forward);

    QString m_lastFindAll;
};

} // namespace Vexal
