#include "widgets/UtilGui.h"

#include "core/ConstApp.h"
#include "core/UserData.h"
#include "core/UtilPrompt.h"
#include "texts/ConstIcon.h"

#include <QAbstractSlider>
#include <QAction>
#include <QChildEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QtMath>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWidget>

namespace Vexal {

namespace {

const int defaultMargin = 5;
const int defaultSpacing = 5;

// The mouse wheel over a page that scrolls, as desktop programs take it: a
// spin box, combo box or slider changes its value only while it has the
// focus, and no longer takes the focus from the wheel; over one without the
// focus the wheel scrolls the page. So scrolling down a form never changes
// the values the pointer passes. It watches every widget of the page, also
// those added later.
class ScrollPageWheel final : public QObject
{
public:
    explicit ScrollPageWheel(QScrollArea* area)
        : QObject(area)
        , m_area(area)
    {
    }

    void watch(QWidget* widget)
    {
        watchOne(widget);
        for (QWidget* child : widget->findChildren<QWidget*>())
            watchOne(child);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ChildAdded:
            // A widget being made is not yet of its class: Polish sorts it.
            if (QObject* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType())
                watch(static_cast<QWidget*>(child));
            break;
        case QEvent::Polish:
            keepWheelFocus(watched);
            break;
        case QEvent::Wheel:
            if (isValueControl(watched) && !static_cast<QWidget*>(watched)->hasFocus()) {
                QCoreApplication::sendEvent(m_area->viewport(), event);
                event->accept();
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    static bool isValueControl(QObject* object)
    {
        return qobject_cast<QAbstractSpinBox*>(object) || qobject_cast<QComboBox*>(object)
               || (qobject_cast<QAbstractSlider*>(object) && !qobject_cast<QScrollBar*>(object));
    }

    // The wheel over a control gives it no focus (Qt::WheelFocus becomes
    // Qt::StrongFocus), or the first turn would take the focus and the next
    // change the value.
    static void keepWheelFocus(QObject* object)
    {
        if (!isValueControl(object))
            return;
        auto* control = static_cast<QWidget*>(object);
        if ((control->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
            control->setFocusPolicy(Qt::StrongFocus);
    }

    void watchOne(QWidget* widget)
    {
        // Installed again, a filter is still called once.
        widget->installEventFilter(this);
        keepWheelFocus(widget);
    }

    QScrollArea* m_area;
};

template <typename Layout>
Layout* makeLayout(QWidget* widget, int margin, int spacing)
{
    Layout* layout = new Layout(widget);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(spacing);
    return layout;
}

} // namespace

QGridLayout* UtilGui::createGridLayout(QWidget* widget)
{
    return makeLayout<QGridLayout>(widget, defaultMargin, defaultSpacing);
}

QHBoxLayout* UtilGui::createHBoxLayout(QWidget* widget)
{
    return makeLayout<QHBoxLayout>(widget, defaultMargin, defaultSpacing);
}

QHBoxLayout* UtilGui::createHBoxLayout(QWidget* widget, int margin, int spacing)
{
    return makeLayout<QHBoxLayout>(widget, margin, spacing);
}

QVBoxLayout* UtilGui::createVBoxLayout(QWidget* widget)
{
    return makeLayout<QVBoxLayout>(widget, defaultMargin, defaultSpacing);
}

QVBoxLayout* UtilGui::createVBoxLayout(QWidget* widget, int margin, int spacing)
{
    return makeLayout<QVBoxLayout>(widget, margin, spacing);
}

void UtilGui::addRow(QGridLayout* grid, QWidget* label, QWidget* field)
{
    if (!grid)
        return;
    const int row = grid->count() / 2;
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

void UtilGui::stretchLastRow(QGridLayout* grid)
{
    if (!grid)
        return;
    grid->setRowStretch(grid->count() / 2, 1);
}

QScrollArea* UtilGui::createScrollPage(QWidget* page, QWidget* parent)
{
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    (new ScrollPageWheel(area))->watch(page);
    return area;
}

void UtilGui::keepRowHeights(QWidget* widget)
{
    if (!widget)
        return;
    QList<QGridLayout*> grids = widget->findChildren<QGridLayout*>();
    if (auto* own = qobject_cast<QGridLayout*>(widget->layout()))
        grids.prepend(own);
    for (QGridLayout* grid : grids) {
        for (int i = 0; i < grid->count(); ++i) {
            QLayoutItem* item = grid->itemAt(i);
            if (QWidget* field = item->widget())
                field->setMinimumHeight(qMax(field->minimumHeight(), item->sizeHint().height()));
        }
    }
}

void UtilGui::stretchLastRowAndColumn(QGridLayout* grid)
{
    if (!grid)
        return;
    grid->setColumnStretch(2, 1);
    stretchLastRow(grid);
}

namespace {

int indexOfId(const QComboBox* box, qint64 id)
{
    for (int i = 0; i < box->count(); ++i) {
        bool ok = false;
        const qint64 value = box->itemData(i, Qt::UserRole).toLongLong(&ok);
        if (ok && value == id)
            return i;
    }
    return -1;
}

int indexOfData(const QComboBox* box, const QString& data)
{
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemData(i, Qt::UserRole).toString() == data)
            return i;
    }
    return -1;
}

void selectIndex(QComboBox* box, int index)
{
    if (box->count() == 0)
        return;
    box->setCurrentIndex(index < 0 ? 0 : index);
}

// Qt 5 moves the current item to a neighbour when the current one is removed;
// the helpers' rule is item 0 then, as when the box has no current item.
void removeIndex(QComboBox* box, int index)
{
    bool wasCurrent = false;
    if (index >= 0) {
        wasCurrent = index == box->currentIndex();
        box->removeItem(index);
    }
    if (box->count() > 0 && (wasCurrent || box->currentIndex() < 0))
        box->setCurrentIndex(0);
}

} // namespace

qint64 UtilGui::currentItemId(const QComboBox* box)
{
    if (!box || box->currentIndex() < 0)
        return -1;
    bool ok = false;
    const qint64 id = box->currentData(Qt::UserRole).toLongLong(&ok);
    return ok ? id : -1;
}

QString UtilGui::currentItemData(const QComboBox* box)
{
    if (!box || box->currentIndex() < 0)
        return QString();
    return box->currentData(Qt::UserRole).toString();
}

void UtilGui::selectItemById(QComboBox* box, qint64 id)
{
    if (box)
        selectIndex(box, indexOfId(box, id));
}

void UtilGui::selectItemByData(QComboBox* box, const QString& data)
{
    if (box)
        selectIndex(box, indexOfData(box, data));
}

void UtilGui::removeItemById(QComboBox* box, qint64 id)
{
    if (box)
        removeIndex(box, indexOfId(box, id));
}

void UtilGui::removeItemByData(QComboBox* box, const QString& data)
{
    if (box)
        removeIndex(box, indexOfData(box, data));
}

void UtilGui::centerWindow(QWidget* widget, int width, int height)
{
    if (!widget)
        return;
    QRect desktop(0, 0, width, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        desktop = screen->availableGeometry();
    widget->setGeometry(desktop.x() + (desktop.width() - width) / 2, desktop.y() + (desktop.height() - height) / 2,
                        width, height);
    widget->setMinimumSize(width, height);
}

int UtilGui::titleWidth(const QWidget* window)
{
    if (!window)
        return 0;
    QFont font = window->font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    // The bar's icon, its three buttons and the spaces between them.
    return metrics.horizontalAdvance(window->windowTitle()) + 6 * metrics.height();
}

int UtilGui::textWidth(const QLabel* label)
{
    if (!label)
        return 0;
    const QString text = label->text();
    int width = 0;
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (rich) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        width = qCeil(document.idealWidth());
    } else {
        const QFontMetrics metrics(label->font());
        for (const QString& line : text.split(QLatin1Char('\n')))
            width = qMax(width, metrics.horizontalAdvance(line));
    }
    const QMargins margins = label->contentsMargins();
    return width + margins.left() + margins.right() + 2 * label->margin() + qMax(label->indent(), 0);
}

int UtilGui::textWidth(const QLineEdit* edit)
{
    if (!edit)
        return 0;
    // As QLineEdit measures itself: its text, two pixels of margin each side,
    // its text margins, then the frame the style draws around them.
    const QMargins text = edit->textMargins();
    const QMargins own = edit->contentsMargins();
    const int inner = edit->fontMetrics().horizontalAdvance(edit->text()) + 4 + text.left() + text.right()
                      + own.left() + own.right();
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    return edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inner, edit->height()), edit).width();
}

void UtilGui::fitToText(QLineEdit* edit)
{
    if (edit)
        edit->setMinimumWidth(qMax(edit->minimumSizeHint().width(), textWidth(edit)));
}

void UtilGui::fitWindow(QWidget* widget)
{
    if (!widget)
        return;
    QWidget* window = widget->window();
    QRect screen(0, 0, 1024, 768);
    if (const QScreen* own = window->screen() ? window->screen() : QGuiApplication::primaryScreen())
        screen = own->availableGeometry();
    // A wrapped label asks for the width of its text on one line, up to
    // about sixty characters; the window grows to give it that.
    const int widest = screen.width() * 2 / 3;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->wordWrap())
            continue;
        const int readable = qMin(label->fontMetrics().averageCharWidth() * 60, widest);
        label->setMinimumWidth(qMin(textWidth(label), readable));
    }
    // The inner layouts first (children come after their parent in the
    // list): each passes what it needs now to the one around it.
    const QList<QWidget*> inner = window->findChildren<QWidget*>();
    for (auto it = inner.crbegin(); it != inner.crend(); ++it) {
        if (QLayout* own = (*it)->layout())
            own->activate();
    }
    QLayout* layout = window->layout();
    if (layout)
        layout->activate();
    const bool shown = window->isVisible();
    int width = qMax(window->sizeHint().width(), titleWidth(window));
    if (layout)
        width = qMax(width, layout->totalMinimumSize().width());
    if (shown)
        width = qMax(width, window->width());
    width = qMin(width, screen.width());
    int height = layout && layout->hasHeightForWidth() ? layout->totalHeightForWidth(width)
                                                       : window->sizeHint().height();
    if (layout)
        height = qMax(height, layout->totalMinimumSize().height());
    if (shown)
        height = qMax(height, window->height());
    height = qMin(height, screen.height());
    window->resize(width, height);
}

QTableWidget* UtilGui::createTableWidget(QWidget* parent)
{
    QTableWidget* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSortingEnabled(true);
    table->horizontalHeader()->setSectionsMovable(true);
    table->horizontalHeader()->setContextMenuPolicy(Qt::ActionsContextMenu);
    return table;
}

QPlainTextEdit* UtilGui::createPlainTextEdit(QWidget* parent)
{
    QPlainTextEdit* edit = new QPlainTextEdit(parent);
    edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    edit->setMaximumHeight(100);
    return edit;
}

QSpinBox* UtilGui::createSpinBox(int minimum, int maximum, QWidget* parent)
{
    QSpinBox* spinBox = new QSpinBox(parent);
    spinBox->setRange(minimum, maximum);
    spinBox->setValue(minimum);
    return spinBox;
}

QLabel* UtilGui::createSeparator(QWidget* parent)
{
    QLabel* label = new QLabel(parent);
    label->setPixmap(ConstIcon::separator(16));
    return label;
}

QToolButton* UtilGui::createToolButton(const QPixmap& icon, const QString& toolTip, QWidget* parent)
{
    QToolButton* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setIcon(QIcon(icon));
    button->setIconSize(icon.size());
    button->setToolTip(toolTip);
    return button;
}

void UtilGui::removeMarkedActions(QWidget* widget)
{
    if (!widget)
        return;
    int index = 0;
    while (index < widget->actions().size()) {
        QAction* action = widget->actions().at(index);
        const bool marked = UserData::isAttached(action) || (action->menu() && UserData::isAttached(action->menu()));
        if (!marked) {
            ++index;
            continue;
        }
        widget->removeAction(action);
        // A sub-menu's entry is owned by the sub-menu: delete the sub-menu,
        // which takes its entry with it.
        QMenu* subMenu = action->menu();
        if (subMenu && subMenu->menuAction() == action)
            delete subMenu;
        else
            delete action;
    }
}

void UtilGui::critical(QWidget* parent, const QString& text)
{
    UtilPrompt::critical(parent, ConstApp::title(), text);
}

void UtilGui::warning(QWidget* parent, const QString& text)
{
    UtilPrompt::warning(parent, ConstApp::title(), text);
}

void UtilGui::information(QWidget* parent, const QString& text)
{
    UtilPrompt::information(parent, ConstApp::title(), text);
}

bool UtilGui::question(QWidget* parent, const QString& text)
{
    return UtilPrompt::question(parent, ConstApp::title(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

} // namespace Vexal
