#pragma once

#include "shell/WidTextTab.h"

namespace Vexal {

class WidErrorConsoleToolbar;

// The tab that shows the logger's HTML lines: all of them, or the errors,
// warnings or information alone (errors at first). The view follows the
// logger only on a filter button, Reload, Clear or a new setInit.
class WidErrorConsole final : public WidTextTab
{
    Q_OBJECT
public:
    enum Filter { FilterAll = 0, FilterErrors = 1, FilterWarnings = 2, FilterInfo = 3 };

    explicit WidErrorConsole(QWidget* parent = nullptr);

    int filter() const { return m_filter; }
    WidErrorConsoleToolbar* toolbar() const { return m_toolbar; }

    QString title() const override;
    void setInit(QObject* init) override;
    void reload() override;

public slots:
    void slotShowAll();
    void slotShowErrors();
    void slotShowWarnings();
    void slotShowInfo();
    void slotClear();
    void slotReload();

protected:
    virtual void createWidgets();
    QString savedText() const override;

private:
    void showList(int filter);

    WidErrorConsoleToolbar* m_toolbar = nullptr;
    int m_filter = FilterErrors;
};

} // namespace Vexal
