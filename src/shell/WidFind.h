#pragma once

#include "shell/WidFindBase.h"

#include <QString>

class QCheckBox;
class QLineEdit;

namespace Vexal {

// The find bar: emits the text to find; the main window hands it to the
// current tab. Select All toggles: the same text twice switches the
// highlighting off (an empty text).
class WidFind final : public WidFindBase
{
    Q_OBJECT
public:
    explicit WidFind(QWidget* parent = nullptr);

    void activate(const QString& text) override;

    QLineEdit* edit() const { return m_edit; }
    QToolButton* nextButton() const { return m_nextButton; }
    QToolButton* previousButton() const { return m_previousButton; }
    QToolButton* selectAllButton() const { return m_selectAllButton; }
    QCheckBox* matchCase() const { return m_matchCase; }
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

private:
    void find(bool forward);

    QLineEdit* m_edit = nullptr;
    QToolButton* m_nextButton = nullptr;
    QToolButton* m_previousButton = nullptr;
    QToolButton* m_selectAllButton = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QString m_lastFindAll;
};

} // namespace Vexal
