#include "content/BaseContentEditor.h"

#include "content/SPNSpintax.h"
#include "content/SpintaxHighlighter.h"
#include "content/WidSpintaxModeComboBox.h"
#include "core/Init.h"
#include "widgets/UtilGui.h"
#include "texts/LocaleMessage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QTextCursor>
#include <QTextDocument>

namespace Vexal {

namespace {

QTextDocument::FindFlags findFlags(bool forward, bool matchCase)
{
    QTextDocument::FindFlags flags;
    if (!forward)
        flags |= QTextDocument::FindBackward;
    if (matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    return flags;
}

bool sameText(const QString& a, const QString& b, bool matchCase)
{
    return a.compare(b, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

} // namespace

std::function<QMetaObject::Connection()> BaseContentEditor::comboWatcher(QComboBox* box)
{
    return [this, box] {
        return connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &BaseEditor::handleDirty);
    };
}

QWidget* BaseContentEditor::createSpintaxPart(QPlainTextEdit** edit, WidSpintaxModeComboBox** box)
{
    auto* part = new QWidget(m_body);
    QHBoxLayout* layout = UtilGui::createHBoxLayout(part, 0, 5);
    *edit = new QPlainTextEdit(part);
    *box = new WidSpintaxModeComboBox(part);
    layout->addWidget(*edit, 1);
    layout->addWidget(*box, 0, Qt::AlignTop);
    new SpintaxHighlighter((*edit)->document());
    watchText(*edit);
    return part;
}

void BaseContentEditor::applyMode(WidSpintaxModeComboBox* box, int mode)
{
    box->setCurrentMode(mode);
}

int BaseContentEditor::readMode(const WidSpintaxModeComboBox* box)
{
    return box->currentMode();
}

void BaseContentEditor::watchText(QPlainTextEdit* edit)
{
    m_texts << edit;
    edit->installEventFilter(this);
}

bool BaseContentEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        auto* edit = qobject_cast<QPlainTextEdit*>(watched);
        if (edit && m_texts.contains(edit))
            m_active = edit;
    }
    return BaseEditor::eventFilter(watched, event);
}

QPlainTextEdit* BaseContentEditor::activeTextEdit() const
{
    if (m_active)
        return m_active;
    if (m_default)
        return m_default;
    return m_texts.isEmpty() ? nullptr : m_texts.first();
}

qint64 BaseContentEditor::initialId(const BaseComboBox*) const
{
    return init() ? init()->secondId() : -1;
}

bool BaseContentEditor::validate()
{
    for (const BaseComboBox* box : qAsConst(m_required)) {
        if (box->currentId() <= 0) {
            const QString empty = box->count() == 0 ? box->emptyMessage() : QString();
            UtilGui::warning(this, empty.isEmpty() ? LocaleMessage::requiredItemsMissing() : empty);
            return false;
        }
    }
    return BaseEditor::validate();
}

QString BaseContentEditor::selectedText() const
{
    QPlainTextEdit* edit = activeTextEdit();
    return edit ? edit->textCursor().selectedText() : QString();
}

void BaseContentEditor::find(const QString& text, bool forward, bool matchCase)
{
    QPlainTextEdit* edit = activeTextEdit();
    if (!edit || text.isEmpty())
        return;
    edit->find(text, findFlags(forward, matchCase));
}

void BaseContentEditor::replace(const QString& text, const QString& with, bool forward, bool matchCase)
{
    QPlainTextEdit* edit = activeTextEdit();
    if (!edit || text.isEmpty())
        return;
    QTextCursor cursor = edit->textCursor();
    if (cursor.hasSelection() && sameText(cursor.selectedText(), text, matchCase))
        cursor.insertText(with);
    edit->find(text, findFlags(forward, matchCase));
}

void BaseContentEditor::replaceAll(const QString& text, const QString& with, bool matchCase)
{
    QPlainTextEdit* edit = activeTextEdit();
    if (!edit || text.isEmpty())
        return;
    QTextDocument* document = edit->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    QTextCursor found = document->find(text, 0, findFlags(true, matchCase));
    while (!found.isNull()) {
        found.insertText(with);
        found = document->find(text, found.position(), findFlags(true, matchCase));
    }
    cursor.endEditBlock();
}

void BaseContentEditor::zoomIn()
{
    for (QPlainTextEdit* edit : qAsConst(m_texts))
        edit->zoomIn(1);
    ++m_zoom;
}

void BaseContentEditor::zoomOut()
{
    for (QPlainTextEdit* edit : qAsConst(m_texts))
        edit->zoomOut(1);
    --m_zoom;
}

void BaseContentEditor::zoomReset()
{
    for (QPlainTextEdit* edit : qAsConst(m_texts))
        edit->zoomOut(m_zoom);
    m_zoom = 0;
}

} // namespace Vexal
