// Draws the program's icons and writes them, with the resource file that
// lists them, into the given resources folder.
//
// Build and run (from the repository root):
//   g++ -std=c++17 -fPIC tools/icongen/icongen.cpp -o /tmp/icongen \
//       $(pkg-config --cflags --libs Qt5Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/icongen resources
//
// Every picture is drawn on a 32-unit grid and scaled to the wanted size.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QVector>
#include <cmath>
#include <functional>
#include <map>

namespace {

using Draw = std::function<void(QPainter&)>;

struct Icon
{
    QString prefix;       // resource prefix without the slash
    QString name;         // file name stem, the size follows it
    QVector<int> sizes;
    Draw draw;
};

const QColor kRed(0xd3, 0x2f, 0x2f);
const QColor kGreen(0x2e, 0x9d, 0x3a);
const QColor kBlue(0x1e, 0x6f, 0xd0);
const QColor kYellow(0xf5, 0xc2, 0x18);
const QColor kOrange(0xef, 0x8a, 0x17);
const QColor kGrey(0x70, 0x70, 0x70);
const QColor kDark(0x30, 0x30, 0x30);
const QColor kPurple(0x7b, 0x3f, 0xb5);
const QColor kTeal(0x1a, 0x9a, 0x96);
const QColor kPaper(0xfa, 0xfa, 0xf5);

QPen pen(const QColor& c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void disc(QPainter& p, const QColor& fill)
{
    p.setPen(pen(fill.darker(140), 1.5));
    p.setBrush(fill);
    p.drawEllipse(QRectF(2, 2, 28, 28));
}

void letter(QPainter& p, const QString& text, const QColor& c, qreal px, bool bold = true,
            bool italic = false, bool serif = false, const QRectF& box = QRectF(0, 0, 32, 32))
{
    QFont f(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(px));
    f.setBold(bold);
    f.setItalic(italic);
    p.setFont(f);
    p.setPen(c);
    p.drawText(box, Qt::AlignCenter, text);
}

void badge(QPainter& p, const QColor& fill, const QString& text, qreal px = 20)
{
    disc(p, fill);
    letter(p, text, Qt::white, px);
}

// An arrow pointing right, rotated by the given angle (degrees, clockwise).
void arrow(QPainter& p, const QColor& c, qreal angle)
{
    p.save();
    p.translate(16, 16);
    p.rotate(angle);
    QPolygonF poly;
    poly << QPointF(-13, -5) << QPointF(1, -5) << QPointF(1, -12) << QPointF(14, 0)
         << QPointF(1, 12) << QPointF(1, 5) << QPointF(-13, 5);
    p.setPen(pen(c.darker(150), 1.5));
    p.setBrush(c);
    p.drawPolygon(poly);
    p.restore();
}

void triangle(QPainter& p, const QColor& c, bool right)
{
    QPolygonF poly;
    if (right)
        poly << QPointF(8, 4) << QPointF(27, 16) << QPointF(8, 28);
    else
        poly << QPointF(24, 4) << QPointF(5, 16) << QPointF(24, 28);
    p.setPen(pen(c.darker(150), 1.5));
    p.setBrush(c);
    p.drawPolygon(poly);
}

void chevronDown(QPainter& p, const QColor& c, qreal y)
{
    p.setPen(pen(c, 4));
    p.setBrush(Qt::NoBrush);
    QPolygonF poly;
    poly << QPointF(6, y) << QPointF(16, y + 9) << QPointF(26, y);
    p.drawPolyline(poly);
}

void plus(QPainter& p, const QColor& c, qreal w = 7)
{
    p.setPen(pen(c, w));
    p.drawLine(QPointF(16, 5), QPointF(16, 27));
    p.drawLine(QPointF(5, 16), QPointF(27, 16));
}

void cross(QPainter& p, const QColor& c, qreal w = 6)
{
    p.setPen(pen(c, w));
    p.drawLine(QPointF(7, 7), QPointF(25, 25));
    p.drawLine(QPointF(25, 7), QPointF(7, 25));
}

void tick(QPainter& p, const QColor& c)
{
    p.setPen(pen(c, 5));
    p.setBrush(Qt::NoBrush);
    QPolygonF poly;
    poly << QPointF(5, 17) << QPointF(13, 25) << QPointF(27, 7);
    p.drawPolyline(poly);
}

void pencil(QPainter& p, const QColor& body)
{
    p.save();
    p.translate(16, 16);
    p.rotate(-45);
    p.setPen(pen(kDark, 1.2));
    p.setBrush(body);
    p.drawRect(QRectF(-8, -4, 18, 8));
    p.setBrush(QColor(0xf0, 0xd0, 0xa0));
    QPolygonF tip;
    tip << QPointF(-8, -4) << QPointF(-15, 0) << QPointF(-8, 4);
    p.drawPolygon(tip);
    p.setBrush(QColor(0xe8, 0x8a, 0x9a));
    p.drawRect(QRectF(10, -4, 4, 8));
    p.restore();
}

void page(QPainter& p, const QRectF& r = QRectF(6, 3, 20, 26))
{
    QPolygonF poly;
    poly << r.topLeft() << QPointF(r.right() - 6, r.top()) << QPointF(r.right(), r.top() + 6)
         << r.bottomRight() << r.bottomLeft();
    p.setPen(pen(kGrey, 1.5));
    p.setBrush(kPaper);
    p.drawPolygon(poly);
}

void textLines(QPainter& p, qreal x0, qreal x1, qreal y0, int count, qreal step = 5)
{
    p.setPen(pen(kGrey, 2));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(x0, y0 + i * step), QPointF(x1, y0 + i * step));
}

void folder(QPainter& p, const QColor& c)
{
    p.setPen(pen(c.darker(150), 1.5));
    p.setBrush(c.darker(115));
    p.drawRect(QRectF(3, 7, 11, 5));
    p.setBrush(c);
    p.drawRect(QRectF(3, 10, 26, 17));
}

void funnel(QPainter& p, const QColor& c)
{
    QPolygonF poly;
    poly << QPointF(3, 5) << QPointF(29, 5) << QPointF(19, 17) << QPointF(19, 28)
         << QPointF(13, 24) << QPointF(13, 17);
    p.setPen(pen(c.darker(150), 1.5));
    p.setBrush(c);
    p.drawPolygon(poly);
}

void padlock(QPainter& p)
{
    p.setPen(pen(kGrey, 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(9, 3, 14, 16), 0, 180 * 16);
    p.drawLine(QPointF(9, 11), QPointF(9, 15));
    p.drawLine(QPointF(23, 11), QPointF(23, 15));
    p.setPen(pen(kOrange.darker(140), 1.5));
    p.setBrush(kYellow);
    p.drawRect(QRectF(5, 14, 22, 15));
    p.setPen(pen(kDark, 3));
    p.drawLine(QPointF(16, 19), QPointF(16, 24));
}

void star(QPainter& p, const QColor& c, const QPointF& centre, qreal outer)
{
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? outer : outer * 0.45;
        const qreal a = M_PI / 5 * i - M_PI / 2;
        poly << QPointF(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    }
    p.setPen(pen(c.darker(150), 1.2));
    p.setBrush(c);
    p.drawPolygon(poly);
}

void chainLink(QPainter& p, qreal x, qreal y, qreal angle)
{
    p.save();
    p.translate(x, y);
    p.rotate(angle);
    p.setPen(pen(kGrey, 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-8, -4, 16, 8), 4, 4);
    p.restore();
}

void levelBars(QPainter& p, int level, const QColor& c)
{
    for (int i = 0; i < 3; ++i) {
        const qreal h = 8 + i * 8;
        const QRectF r(3 + i * 9.5, 29 - h, 7, h);
        p.setPen(pen(i < level ? c.darker(150) : QColor(0xb0, 0xb0, 0xb0), 1.2));
        p.setBrush(i < level ? c : QColor(0xe4, 0xe4, 0xe4));
        p.drawRect(r);
    }
}

void circularArrow(QPainter& p, const QColor& c)
{
    p.setPen(pen(c, 4.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 5, 22, 22), 90 * 16, 290 * 16);
    QPolygonF head;
    head << QPointF(13, 0) << QPointF(22, 5.5) << QPointF(13, 11);
    p.setPen(pen(c, 1));
    p.setBrush(c);
    p.drawPolygon(head);
}

void bulletList(QPainter& p, bool numbered)
{
    for (int i = 0; i < 3; ++i) {
        const qreal y = 7 + i * 9;
        if (numbered) {
            letter(p, QString::number(i + 1), kBlue, 9, true, false, false, QRectF(1, y - 5, 9, 10));
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawEllipse(QPointF(5.5, y), 3, 3);
        }
        p.setPen(pen(kDark, 2.5));
        p.drawLine(QPointF(12, y), QPointF(29, y));
    }
}

void wavy(QPainter& p, const QColor& c, qreal y)
{
    QPainterPath path(QPointF(3, y));
    for (int i = 0; i < 7; ++i)
        path.quadTo(QPointF(3 + i * 4 + 2, y + ((i % 2) ? 3 : -3)), QPointF(3 + (i + 1) * 4, y));
    p.setPen(pen(c, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QVector<Icon> icons()
{
    const QVector<int> s16{16};
    const QVector<int> s32{32};
    const QVector<int> s16_32{16, 32};
    return {
        // information, consoles and notices
        {"info", "Error", s32, [](QPainter& p) { disc(p, kRed); cross(p, Qt::white, 4.5); }},
        {"info", "Warning", s32, [](QPainter& p) {
             QPolygonF tri;
             tri << QPointF(16, 2) << QPointF(30, 28) << QPointF(2, 28);
             p.setPen(pen(kOrange.darker(130), 2));
             p.setBrush(kYellow);
             p.drawPolygon(tri);
             letter(p, "!", kDark, 18, true, false, false, QRectF(0, 8, 32, 20));
         }},
        {"info", "Info", s32, [](QPainter& p) { badge(p, kBlue, "i", 22); }},
        {"info", "Security", s32, [](QPainter& p) {
             QPainterPath shield(QPointF(16, 2));
             shield.lineTo(28, 6);
             shield.cubicTo(QPointF(28, 18), QPointF(23, 25), QPointF(16, 30));
             shield.cubicTo(QPointF(9, 25), QPointF(4, 18), QPointF(4, 6));
             shield.closeSubpath();
             p.setPen(pen(kGreen.darker(150), 1.5));
             p.setBrush(kGreen);
             p.drawPath(shield);
             tick(p, Qt::white);
         }},
        {"info", "All", s16_32, [](QPainter& p) {
             p.setPen(pen(kGrey, 1.5));
             for (int i = 2; i >= 0; --i) {
                 p.setBrush(i == 0 ? kBlue : (i == 1 ? kYellow : kRed));
                 p.drawRect(QRectF(3 + i * 4, 3 + i * 4, 18, 18));
             }
         }},
        {"info", "Help", s16_32, [](QPainter& p) { badge(p, kBlue, "?", 22); }},
        // navigation
        {"navigate", "Back", s16_32, [](QPainter& p) { arrow(p, kGreen, 180); }},
        {"navigate", "Forward", s16_32, [](QPainter& p) { arrow(p, kGreen, 0); }},
        {"navigate", "Reload", s16_32, [](QPainter& p) { circularArrow(p, kBlue); }},
        {"navigate", "Up", s16_32, [](QPainter& p) { arrow(p, kBlue, -90); }},
        {"navigate", "Down", s16_32, [](QPainter& p) { arrow(p, kBlue, 90); }},
        {"navigate", "Next", s16_32, [](QPainter& p) { triangle(p, kBlue, true); }},
        {"navigate", "Previous", s16_32, [](QPainter& p) { triangle(p, kBlue, false); }},
        {"navigate", "DoubleDown", s32, [](QPainter& p) {
             chevronDown(p, kBlue, 5);
             chevronDown(p, kBlue, 16);
         }},
        // editing
        {"edit", "Add", {16, 24, 32}, [](QPainter& p) { plus(p, kGreen); }},
        {"edit", "AddGreen", s32, [](QPainter& p) { disc(p, kGreen); plus(p, Qt::white, 4.5); }},
        {"edit", "Edit", s32, [](QPainter& p) { pencil(p, kYellow); }},
        {"edit", "EditGreen", s32, [](QPainter& p) { disc(p, kGreen); pencil(p, kYellow); }},
        {"edit", "Delete", s16_32, [](QPainter& p) { cross(p, kRed); }},
        {"edit", "DeleteGreen", s16_32, [](QPainter& p) { disc(p, kGreen); cross(p, Qt::white, 4.5); }},
        {"edit", "DeleteBlue", s16_32, [](QPainter& p) { disc(p, kBlue); cross(p, Qt::white, 4.5); }},
        {"edit", "Copy", s32, [](QPainter& p) {
             page(p, QRectF(3, 2, 17, 21));
             page(p, QRectF(12, 9, 17, 21));
         }},
        {"edit", "Save", s32, [](QPainter& p) {
             p.setPen(pen(kBlue.darker(150), 1.5));
             p.setBrush(kBlue);
             p.drawRoundedRect(QRectF(3, 3, 26, 26), 2, 2);
             p.setBrush(kPaper);
             p.drawRect(QRectF(8, 3, 16, 10));
             p.setBrush(kGrey);
             p.drawRect(QRectF(9, 19, 14, 10));
         }},
        {"edit", "Move", s32, [](QPainter& p) {
             p.setPen(pen(kDark, 3));
             p.drawLine(QPointF(16, 3), QPointF(16, 29));
             p.drawLine(QPointF(3, 16), QPointF(29, 16));
             QPolygonF a;
             a << QPointF(16, 1) << QPointF(11, 7) << QPointF(21, 7);
             p.setBrush(kDark);
             p.setPen(pen(kDark, 1));
             for (int i = 0; i < 4; ++i) {
                 p.save();
                 p.translate(16, 16);
                 p.rotate(90 * i);
                 p.translate(-16, -16);
                 p.drawPolygon(a);
                 p.restore();
             }
         }},
        // pages, accounts and tools
        {"img", "Home", s32, [](QPainter& p) {
             QPolygonF roof;
             roof << QPointF(16, 3) << QPointF(30, 16) << QPointF(2, 16);
             p.setPen(pen(kRed.darker(140), 1.5));
             p.setBrush(kRed);
             p.drawPolygon(roof);
             p.setPen(pen(kGrey, 1.5));
             p.setBrush(kPaper);
             p.drawRect(QRectF(6, 16, 20, 13));
             p.setBrush(kOrange);
             p.drawRect(QRectF(13, 20, 6, 9));
         }},
        {"img", "Feather", s32, [](QPainter& p) {
             QPainterPath path(QPointF(4, 29));
             path.cubicTo(QPointF(8, 16), QPointF(16, 6), QPointF(29, 3));
             path.cubicTo(QPointF(27, 14), QPointF(19, 24), QPointF(8, 25));
             path.closeSubpath();
             p.setPen(pen(kTeal.darker(150), 1.2));
             p.setBrush(kTeal);
             p.drawPath(path);
             p.setPen(pen(Qt::white, 1.2));
             p.drawLine(QPointF(6, 27), QPointF(24, 8));
         }},
        {"img", "Check", s32, [](QPainter& p) { tick(p, kGreen); }},
        // "Hidden": a struck-out ring, so that it differs from Check by shape
        // and not only by colour (disabled buttons draw both grey).
        {"img", "CheckRed", s32,
         [](QPainter& p) {
             p.setPen(pen(kRed, 4));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(5, 5, 22, 22));
             p.drawLine(QPointF(9, 23), QPointF(23, 9));
         }},
        {"img", "Wordwrap", s32, [](QPainter& p) {
             textLines(p, 3, 29, 6, 1);
             p.setPen(pen(kBlue, 2.5));
             p.setBrush(Qt::NoBrush);
             QPainterPath path(QPointF(3, 15));
             path.lineTo(24, 15);
             path.arcTo(QRectF(19, 15, 10, 10), 90, -180);
             path.lineTo(15, 25);
             p.drawPath(path);
             QPolygonF head;
             head << QPointF(11, 25) << QPointF(17, 21) << QPointF(17, 29);
             p.setBrush(kBlue);
             p.setPen(pen(kBlue, 1));
             p.drawPolygon(head);
         }},
        {"img", "Highlight", s32, [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(0xff, 0xee, 0x40));
             p.drawRect(QRectF(2, 8, 28, 16));
             letter(p, "ab", kDark, 15);
         }},
        {"img", "Separator", s16_32, [](QPainter& p) {
             p.setPen(pen(QColor(0xa0, 0xa0, 0xa0), 2));
             p.drawLine(QPointF(15, 3), QPointF(15, 29));
             p.setPen(pen(Qt::white, 2));
             p.drawLine(QPointF(17, 3), QPointF(17, 29));
         }},
        {"img", "Wizard", s32, [](QPainter& p) {
             p.setPen(pen(kDark, 4));
             p.drawLine(QPointF(4, 28), QPointF(19, 13));
             star(p, kYellow, QPointF(22, 10), 9);
         }},
        {"img", "Tooltips", s32, [](QPainter& p) {
             QPainterPath balloon;
             balloon.addRoundedRect(QRectF(2, 3, 28, 19), 5, 5);
             QPolygonF tail;
             tail << QPointF(8, 20) << QPointF(6, 29) << QPointF(15, 21);
             balloon.addPolygon(tail);
             p.setPen(pen(kOrange.darker(130), 1.5));
             p.setBrush(QColor(0xff, 0xf4, 0xb0));
             p.drawPath(balloon.simplified());
             textLines(p, 7, 25, 9, 2);
         }},
        {"img", "Filter", s16_32, [](QPainter& p) { funnel(p, kBlue); }},
        {"img", "FilterRed", s32, [](QPainter& p) { funnel(p, kRed); }},
        {"img", "Flip", s16_32, [](QPainter& p) {
             p.save();
             p.scale(1, 0.5);
             arrow(p, kBlue, 0);
             p.translate(0, 32);
             arrow(p, kOrange, 180);
             p.restore();
         }},
        {"img", "Lock", s16_32, [](QPainter& p) { padlock(p); }},
        {"img", "SysPage", s16_32, [](QPainter& p) {
             page(p);
             letter(p, "S", kPurple, 16);
         }},
        {"img", "WebPage", s16_32, [](QPainter& p) {
             page(p);
             letter(p, "W", kBlue, 14);
         }},
        {"img", "Login", s16_32, [](QPainter& p) {
             p.setPen(pen(kGrey, 2));
             p.setBrush(QColor(0xd8, 0xc0, 0x90));
             p.drawRect(QRectF(17, 3, 12, 26));
             p.save();
             p.scale(0.7, 0.8);
             p.translate(0, 4);
             arrow(p, kGreen, 0);
             p.restore();
         }},
        {"img", "Register", s16_32, [](QPainter& p) {
             p.setPen(pen(kBlue.darker(140), 1.5));
             p.setBrush(kBlue);
             p.drawEllipse(QRectF(6, 2, 12, 12));
             p.drawChord(QRectF(1, 15, 22, 26), 0, 180 * 16);
             p.save();
             p.translate(13, 13);
             p.scale(0.55, 0.55);
             plus(p, kGreen, 8);
             p.restore();
         }},
        // trees
        {"tree", "Favorites", s16, [](QPainter& p) { star(p, kYellow, QPointF(16, 17), 15); }},
        {"tree", "Folder", s16_32, [](QPainter& p) { folder(p, kYellow); }},
        {"tree", "FolderGreen", s16_32, [](QPainter& p) { folder(p, QColor(0x6c, 0xc0, 0x50)); }},
        {"tree", "HistoryItem", s16_32, [](QPainter& p) {
             p.setPen(pen(kBlue.darker(140), 2));
             p.setBrush(kPaper);
             p.drawEllipse(QRectF(3, 3, 26, 26));
             p.setPen(pen(kDark, 3));
             p.drawLine(QPointF(16, 16), QPointF(16, 8));
             p.drawLine(QPointF(16, 16), QPointF(22, 19));
         }},
        {"tree", "Menu", s16_32, [](QPainter& p) {
             p.setPen(pen(kDark, 4));
             for (int i = 0; i < 3; ++i)
                 p.drawLine(QPointF(5, 8 + i * 8), QPointF(27, 8 + i * 8));
         }},
        // web search engines
        {"websearch", "Google", s16_32, [](QPainter& p) { badge(p, kBlue, "G"); }},
        {"websearch", "Yahoo", s32, [](QPainter& p) { badge(p, kPurple, "Y"); }},
        {"websearch", "Amazon", s32, [](QPainter& p) { badge(p, kOrange, "a"); }},
        {"websearch", "Answers", s32, [](QPainter& p) { badge(p, kTeal, "A"); }},
        {"websearch", "Wikipedia", s32, [](QPainter& p) {
             disc(p, kPaper);
             letter(p, "W", kDark, 20, false, false, true);
         }},
        // article editor and spinner
        {"spinner", "Bold", s32, [](QPainter& p) { letter(p, "B", kDark, 26, true); }},
        {"spinner", "Italic", s32, [](QPainter& p) { letter(p, "I", kDark, 26, false, true, true); }},
        {"spinner", "Underline", s32, [](QPainter& p) {
             letter(p, "U", kDark, 22, false, false, false, QRectF(0, 0, 32, 28));
             p.setPen(pen(kDark, 2.5));
             p.drawLine(QPointF(7, 29), QPointF(25, 29));
         }},
        {"spinner", "BreakLine", s32, [](QPainter& p) {
             p.setPen(pen(kDark, 3));
             p.setBrush(Qt::NoBrush);
             QPolygonF line;
             line << QPointF(26, 5) << QPointF(26, 19) << QPointF(8, 19);
             p.drawPolyline(line);
             QPolygonF head;
             head << QPointF(3, 19) << QPointF(11, 13) << QPointF(11, 25);
             p.setPen(pen(kDark, 1));
             p.setBrush(kDark);
             p.drawPolygon(head);
         }},
        {"spinner", "Background", s32, [](QPainter& p) {
             p.setPen(pen(kGrey, 1.5));
             p.setBrush(QColor(0x9f, 0xd8, 0xff));
             p.drawRect(QRectF(2, 2, 28, 28));
             letter(p, "A", kDark, 20);
         }},
        {"spinner", "Link", s32, [](QPainter& p) {
             chainLink(p, 11, 20, -45);
             chainLink(p, 21, 12, -45);
         }},
        {"spinner", "Unlink", s32, [](QPainter& p) {
             chainLink(p, 9, 23, -45);
             chainLink(p, 23, 9, -45);
             p.setPen(pen(kRed, 2));
             p.drawLine(QPointF(14, 10), QPointF(12, 6));
             p.drawLine(QPointF(18, 22), QPointF(20, 26));
         }},
        {"spinner", "Ol", s32, [](QPainter& p) { bulletList(p, true); }},
        {"spinner", "Ul", s32, [](QPainter& p) { bulletList(p, false); }},
        {"spinner", "Spelling", s32, [](QPainter& p) {
             letter(p, "abc", kDark, 12, true, false, false, QRectF(0, 2, 32, 14));
             p.save();
             p.translate(8, 12);
             p.scale(0.6, 0.6);
             tick(p, kGreen);
             p.restore();
         }},
        {"spinner", "SpellingRed", s32, [](QPainter& p) {
             letter(p, "abc", kDark, 12, true, false, false, QRectF(0, 4, 32, 16));
             wavy(p, kRed, 24);
         }},
        {"spinner", "Language", s32, [](QPainter& p) {
             disc(p, QColor(0x9f, 0xd8, 0xff));
             p.setPen(pen(kBlue, 1.2));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(10, 2, 12, 28));
             p.drawLine(QPointF(2, 16), QPointF(30, 16));
             p.drawLine(QPointF(16, 2), QPointF(16, 30));
             letter(p, "Aa", kDark, 11, true, false, false, QRectF(0, 16, 32, 14));
         }},
        {"spinner", "Spinner", s32, [](QPainter& p) {
             for (int i = 0; i < 8; ++i) {
                 p.save();
                 p.translate(16, 16);
                 p.rotate(45 * i);
                 QColor c = kBlue;
                 c.setAlpha(60 + i * 24);
                 p.setPen(pen(c, 4));
                 p.drawLine(QPointF(0, -7), QPointF(0, -13));
                 p.restore();
             }
         }},
        {"spinner", "Spin", s32, [](QPainter& p) {
             circularArrow(p, kOrange);
             letter(p, "S", kDark, 12);
         }},
        {"spinner", "Extreme", s16_32, [](QPainter& p) { levelBars(p, 3, kRed); }},
        {"spinner", "Advanced", s16_32, [](QPainter& p) { levelBars(p, 2, kOrange); }},
        {"spinner", "Classic", s16_32, [](QPainter& p) { levelBars(p, 1, kGreen); }},
    };
}

QImage render(const Draw& draw, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 32.0, size / 32.0);
    draw(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void programIcon(QPainter& p)
{
    disc(p, kBlue);
    p.setPen(pen(QColor(0x9f, 0xd8, 0xff), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(9, 2, 14, 28));
    p.drawLine(QPointF(2, 16), QPointF(30, 16));
    letter(p, "T", Qt::white, 20);
}

bool write(const QImage& image, const QString& file, const char* format)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QImageWriter writer(file, format);
    if (!writer.write(image)) {
        QTextStream(stderr) << "cannot write " << file << ": " << writer.errorString() << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: icongen <resources folder>\n";
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));

    // prefix -> list of (alias, file relative to the resource file)
    std::map<QString, QVector<QPair<QString, QString>>> entries;

    const QString ico = QStringLiteral("icons/root/TesvarBrowser.ico");
    if (!write(render(programIcon, 32), root.filePath(ico), "ico"))
        return 1;
    entries["root"].append({QStringLiteral("TesvarBrowser.ico"), ico});

    for (const Icon& icon : icons()) {
        for (int size : icon.sizes) {
            const QString alias = QStringLiteral("img/%1%2.png").arg(icon.name).arg(size);
            const QString file = QStringLiteral("icons/%1/%2").arg(icon.prefix, alias);
            if (!write(render(icon.draw, size), root.filePath(file), "png"))
                return 1;
            entries[icon.prefix].append({alias, file});
        }
    }

    QFile qrc(root.filePath(QStringLiteral("icons.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return 1;
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n";
    for (const auto& [prefix, files] : entries) {
        out << "  <qresource prefix=\"/" << prefix << "\">\n";
        for (const auto& entry : files)
            out << "    <file alias=\"" << entry.first << "\">" << entry.second << "</file>\n";
        out << "  </qresource>\n";
    }
    out << "</RCC>\n";
    return 0;
}
