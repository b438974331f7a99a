#pragma once

#include "data/DBKind.h"

namespace Vexal {

// One column of a table widget's saved layout (table "Column"). The record's
// name is the SQL name of the model column it describes.
class DBColumn final : public DBKind<DBColumn, &DBSql::tableColumn>
{
    Q_OBJECT
public:
    // Value kinds shared with the filters and the table models.
    enum Kind {
        KindText = 0,
        KindInteger = 1,
        KindFloat = 2,
        KindDate = 3,
        KindDateTime = 4,
        KindBoolean = 5,
        KindText2 = 6,
        KindUnfiltered = 7,
        KindIcon = 8
    };

    static constexpr int textLimit = 128;

    using DBKind::DBKind;
    // A numbered column made from a seed: it takes the seed's id (-1 counts as
    // -2) and logical index, and the seed moves on to the next id and index.
    DBColumn(DBColumn* seed, QObject* parent);

    QString widgetId() const { return m_widgetId; }
    QString header() const { return m_header; }
    int visualIndex() const { return m_visualIndex; }
    int logicalIndex() const { return m_logicalIndex; }
    int width() const { return m_width; }
    bool visible() const { return m_visible; }
    bool visibleInView() const { return m_visibleInView; }
    bool visibleInFilter() const { return m_visibleInFilter; }
    int type() const { return m_type; }

    void setWidgetId(const QString& widgetId) { change(m_widgetId, widgetId, textLimit); }
    void setHeader(const QString& header) { change(m_header, header, textLimit); }
    void setVisualIndex(int index) { change(m_visualIndex, index); }
    void setLogicalIndex(int index) { change(m_logicalIndex, index); }
    void setWidth(int width) { change(m_width, width); }
    void setType(int type) { change(m_type, type); }
    void setVisible(bool visible) { change(m_visible, visible); }
    void setVisibleInView(bool visible) { change(m_visibleInView, visible); }
    void setVisibleInFilter(bool visible) { change(m_visibleInFilter, visible); }

    // Hides the column from the table, the set-up dialog and the filters,
    // without marking the record modified.
    void hideEverywhere();

    static bool isFilterable(int kind);
    static bool isComparable(int kind);
    static bool isTextKind(int kind);

    const DBFields& fields() const override;

private:
    QString m_widgetId;
    QString m_header;
    int m_visualIndex = 0;
    int m_logicalIndex = 0;
    int m_width = 100;
    bool m_visible = true;
    bool m_visibleInView = true;
    bool m_visibleInFilter = true;
    int m_type = KindText;
};

} // namespace Vexal
