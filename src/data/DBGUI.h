#pragma once

#include "data/DBKind.h"

namespace Vexal {

// The main window's remembered state: bars, maximised flag, geometry and the
// search engine of the search bars. Single-row table "GUI".
class DBGUI final : public DBKind<DBGUI, &DBSql::tableGUI>
{
    Q_OBJECT
public:
    using DBKind::DBKind;

    bool menuBar() const { return m_menuBar; }
    bool statusBar() const { return m_statusBar; }
    bool maximized() const { return m_maximized; }
    int x() const { return m_x; }
    int y() const { return m_y; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    int webSearch() const { return m_webSearch; }

    void setMenuBar(bool value) { change(m_menuBar, value); }
    void setStatusBar(bool value) { change(m_statusBar, value); }
    void setMaximized(bool value) { change(m_maximized, value); }
    void setX(int value) { change(m_x, value); }
    void setY(int value) { change(m_y, value); }
    void setWidth(int value) { change(m_width, value); }
    void setHeight(int value) { change(m_height, value); }
    void setWebSearch(int value) { change(m_webSearch, value); }

    const DBFields& fields() const override;

private:
    bool m_menuBar = true;
    bool m_statusBar = true;
    bool m_maximized = true;
    int m_x = 100;
    int m_y = 500;
    int m_width = 600;
    int m_height = 300;
    int m_webSearch = 2;
};

} // namespace Vexal
