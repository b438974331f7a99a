#pragma once

#include "shell/WidTextTab.h"

namespace Vexal {

class WidErrorConsoleToolbar;

// The tab that shows the logger's HTML lines: all of them, or the errors,
// warnings or information alone (errors at first). The view follows the
// logger only on a filter button, Reload, Clear, a new setInit, or when the
// tab comes to the front again after lines were logged. Opening it, or
// bringing it to the front, shows what a message may have sent the user
// here for: the newest error or warning logged, whatever the filter was.
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
    void showEvent(QShowEvent* event) override;

private:
    void showList(int filter);
    // Shows the logger's lines anew, changing a filter that would hide the
    // newest error or warning logged since they were last shown.
    void showNewest();

    WidErrorConsoleToolbar* m_toolbar = nullptr;
    int m_filter = FilterErrors;
    // The logger's lines when the view was last built: their number and
    // the last of them (lines are numbered, so a list cleared and filled
    // again differs).
    int m_linesShown = 0;
    QString m_lastLineShown;
};

} // namespace Vexal
