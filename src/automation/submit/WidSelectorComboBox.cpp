#include "automation/submit/WidSelectorComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace Vexal {

WidSelectorComboBox::WidSelectorComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void WidSelectorComboBox::addCurrentToHistory()
{
    const QString text = currentText();
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).compare(text, Qt::CaseInsensitive) == 0)
            return;
    }
    addItem(text);
    setCurrentIndex(count() - 1);
}

void WidSelectorComboBox::focusInEvent(QFocusEvent* event)
{
    QComboBox::focusInEvent(event);
    QPointer<QLineEdit> edit = lineEdit();
    QTimer::singleShot(0, this, [edit] {
        if (edit)
            edit->selectAll();
    });
}

void WidSelectorComboBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit onReturnPressed();
    QComboBox::keyPressEvent(event);
}

} // namespace Vexal
