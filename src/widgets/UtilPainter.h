#pragma once

#include <QObject>

class QWidget;

namespace Vexal {

// Painting helpers called from a widget's paintEvent with that widget; the
// colours are those of a default QPalette. A null widget paints nothing.
namespace UtilPainter {

// Window-coloured background and a rounded Base-coloured box with a Dark
// outline (the location and search bars).
void drawFrame(QWidget* widget);
void drawRightLine(QWidget* widget);
void drawBottomLine(QWidget* widget);
void drawTopLine(QWidget* widget);

} // namespace UtilPainter

} // namespace Vexal
