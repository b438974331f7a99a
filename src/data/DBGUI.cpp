#include "data/DBGUI.h"

#include "core/DBSql.h"
#include "data/DBField.h"

namespace Vexal {

const DBFields& DBGUI::fields() const
{
    static const DBFields table(baseFields(),
                                {
                                    DBField::flag(&DBSql::colMenuBar, &DBGUI::m_menuBar),
                                    DBField::flag(&DBSql::colStatusBar, &DBGUI::m_statusBar),
                                    DBField::flag(&DBSql::colMaximized, &DBGUI::m_maximized),
                                    DBField::integer(&DBSql::colX, &DBGUI::m_x),
                                    DBField::integer(&DBSql::colY, &DBGUI::m_y),
                                    DBField::integer(&DBSql::colWidth, &DBGUI::m_width),
                                    DBField::integer(&DBSql::colHeight, &DBGUI::m_height),
                                    DBField::integer(&DBSql::colWebSearch, &DBGUI::m_webSearch),
                                });
    return table;
}

} // namespace Vexal
