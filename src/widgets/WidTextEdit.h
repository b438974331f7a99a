#pragma once

#include <QTextEdit>

namespace Vexal {

// The read-only text view of the error console and the page source: no
// context menu, and Ctrl with the mouse wheel does nothing, so zooming goes
// only through the step operations below (at most zoomLimit steps either way).
class WidTextEdit final : public QTextEdit
{
    Q_OBJECT
public:
    static constexpr int zoomLimit = 4;

    explicit WidTextEdit(QWidget* parent = nullptr);

    int zoomLevel() const { return m_zoomLevel; }
    // One step in or out; beyond the limit the hub gets the warning and
    // nothing changes.
    void zoomInStep();
    void zoomOutStep();
    // The application's default font and level 0.
    void resetZoom();

    // Searches from the cursor, then takes the focus whether found or not.
    bool findText(const QString& text, bool forward, bool matchCase);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    int m_zoomLevel = 0;
};

} // namespace Vexal
