#include "widgets/UtilFieldWidth.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace Vexal {

namespace {

// A line edit keeps this much room on either side of its text, and one
// pixel for the cursor behind the last character.
constexpr int innerMargin = 2;
constexpr int cursorWidth = 1;

int forContentWidth(const QLineEdit* edit, int contentWidth)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QMargins text = edit->textMargins();
    const QMargins contents = edit->contentsMargins();
    const QSize size(contentWidth + 2 * innerMargin + cursorWidth + text.left() + text.right() + contents.left()
                         + contents.right(),
                     edit->sizeHint().height());
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, size, edit).width();
}

} // namespace

int UtilFieldWidth::forText(const QLineEdit* edit, const QString& text)
{
    return edit ? forContentWidth(edit, edit->fontMetrics().horizontalAdvance(text)) : 0;
}

int UtilFieldWidth::forLength(const QLineEdit* edit, int characters)
{
    return edit ? forContentWidth(edit, edit->fontMetrics().averageCharWidth() * characters) : 0;
}

QString UtilFieldWidth::widestOfShape(const QLineEdit* edit, const QString& text, const QString& alphabet)
{
    if (!edit || alphabet.isEmpty())
        return text;
    const QFontMetrics metrics = edit->fontMetrics();
    QChar widest = alphabet.at(0);
    for (QChar c : alphabet) {
        if (metrics.horizontalAdvance(c) > metrics.horizontalAdvance(widest))
            widest = c;
    }
    QString shape = text;
    for (QChar& c : shape) {
        if (alphabet.contains(c))
            c = widest;
    }
    return shape;
}

} // namespace Vexal
