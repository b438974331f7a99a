#pragma once

#include "shell/BaseTab.h"

#include <QWidget>

namespace Vexal {

class WidErrorConsoleToolbar;
class WidTextEdit;

// The tab that shows the logger's HTML lines: all of them, or the errors,
// warnings or information alone (errors at first). The view follows the
// logger only on a filter button, Reload, Clear or a new setInit.
class WidErrorConsole : public QWidget, public BaseTab
{
    Q_OBJECT
public:
    enum Filter { FilterAll = 0, FilterErrors = 1, FilterWarnings = 2, FilterInfo = 3 };

    explicit WidErrorConsole(QWidget* parent = nullptr);

    int filter() const { return m_filter; }
    WidErrorConsoleToolbar* toolbar() const { return m_toolbar; }
    WidTextEdit* textEdit() const { return m_textEdit; }

    QString title() const override;
    QString selectedText() const override;
    void setInit(QObject* init) override;
    void save() override;
    void copy() override;
    void selectAll() override;
    void reload() override;
    void find(const QString& text, bool forward, bool matchCase) override;
    void zoomIn() override;
    void zoomOut() override;
    void zoomReset() override;

public slots:
    void slotShowAll();
    void slotShowErrors();
    void slotShowWarnings();
    void slotShowInfo();
    void slotClear();
    void slotReload();

protected:
    virtual void createWidgets();

private:
    void showList(int filter);
    void setContext(const QString& action) const;

    WidErrorConsoleToolbar* m_toolbar = nullptr;
    WidTextEdit* m_textEdit = nullptr;
    int m_filter = FilterErrors;
};

} // namespace Vexal
