#pragma once

#include <QObject>

class QWidget;

namespace Vexal {

// Painting helpers called from a widget's paintEvent with that widget; the
// colours are those of a default QPalette. A null widget paints nothing.
class UtilPainter : public QObject
{
    Q_OBJECT
public:
    explicit UtilPainter(QObject* parent = nullptr);

    // Window-coloured background and a rounded Base-coloured box with a Dark
    // outline (the location and search bars).
    static void drawFrame(QWidget* widget);
    static void drawRightLine(QWidget* widget);
    static void drawBottomLine(QWidget* widget);
    static void drawTopLine(QWidget* widget);
};

} // namespace Vexal
