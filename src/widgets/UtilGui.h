#pragma once

#include <QObject>

#include <QPixmap>
#include <QString>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;
class QSpinBox;
class QTableWidget;
class QToolButton;
class QVBoxLayout;
class QWidget;

namespace Vexal {

// Static helpers that give every window and dialog the same look. Forms are
// two-column grids (label, field) whose next free row is the item count / 2.
// Combo boxes listing records keep the record id under Qt::UserRole (-1 = no
// record). Menu entries built at run time carry UserData (core/UserData.h);
// fixed entries carry none. Message boxes carry the program title and go
// through the prompt hook (core/UtilPrompt.h).
namespace UtilGui {

// Layouts with margin 5 and spacing 5 (or the given ones), installed on
// the widget when one is given.
QGridLayout* createGridLayout(QWidget* widget);
QHBoxLayout* createHBoxLayout(QWidget* widget);
QHBoxLayout* createHBoxLayout(QWidget* widget, int margin, int spacing);
QVBoxLayout* createVBoxLayout(QWidget* widget);
QVBoxLayout* createVBoxLayout(QWidget* widget, int margin, int spacing);

// Appends the label at (row, 0) and the field at (row, 1), row being the
// grid's item count / 2 before adding.
void addRow(QGridLayout* grid, QWidget* label, QWidget* field);
// Row stretch 1 on the row after the last label and field pair.
void stretchLastRow(QGridLayout* grid);
// Column stretch 1 on column 2, then the row stretch of stretchLastRow.
void stretchLastRowAndColumn(QGridLayout* grid);

// The page in a frameless scroll area that resizes it: the page never gets
// less than its minimum size, it scrolls instead. The wheel over a spin box,
// combo box or slider of the page changes it only while it has the focus;
// otherwise it scrolls the page.
QScrollArea* createScrollPage(QWidget* page, QWidget* parent);
// Every widget in a grid of the widget (its own or a child's) keeps at least
// the height its row item asks for (the size hint), so that a short page
// scrolls instead of squeezing its rows.
void keepRowHeights(QWidget* widget);

// The current item's Qt::UserRole data; -1 / "" for a null box or no
// current item.
qint64 currentItemId(const QComboBox* box);
QString currentItemData(const QComboBox* box);
// Makes the first item with that data current, item 0 when none has it.
void selectItemById(QComboBox* box, qint64 id);
void selectItemByData(QComboBox* box, const QString& data);
// Removes the first item with that data; item 0 becomes current when the
// box is left without a current item.
void removeItemById(QComboBox* box, qint64 id);
void removeItemByData(QComboBox* box, const QString& data);

// Gives the widget that size (also its minimum) in the middle of the
// primary screen.
void centerWindow(QWidget* widget, int width, int height);

// The width a window takes for its title to show whole in a title bar: the
// title in a bold face, and room for the bar's icon and buttons.
int titleWidth(const QWidget* window);
// The width the label's text takes on one line (the longest of its lines),
// margins included; rich text is measured as it shows.
int textWidth(const QLabel* label);
// The width a line edit takes to show its whole text, frame included.
int textWidth(const QLineEdit* edit);
// A field that shows an answer (read-only) takes at least that width.
void fitToText(QLineEdit* edit);
// Makes the widget's window as large as its texts need now, never smaller
// than it is and no larger than its screen: its title whole, a wrapped label
// on one line up to a readable width (wider texts wrap) and as many lines as
// that width takes. For a window whose texts change while it is shown.
void fitWindow(QWidget* widget);

QTableWidget* createTableWidget(QWidget* parent);
QPlainTextEdit* createPlainTextEdit(QWidget* parent);
QSpinBox* createSpinBox(int minimum, int maximum, QWidget* parent);
// A label showing the 16-pixel separator picture (toolbars).
QLabel* createSeparator(QWidget* parent);
// An auto-raise tool button, icon size = the pixmap's size.
QToolButton* createToolButton(const QPixmap& icon, const QString& toolTip, QWidget* parent);

// Deletes every action of the widget (a menu) that is marked, or whose
// sub-menu is marked, with UserData; the others keep their order.
void removeMarkedActions(QWidget* widget);

void critical(QWidget* parent, const QString& text);
void warning(QWidget* parent, const QString& text);
void information(QWidget* parent, const QString& text);
// Yes and No, No the default; true only for Yes.
bool question(QWidget* parent, const QString& text);

} // namespace UtilGui

} // namespace Vexal
