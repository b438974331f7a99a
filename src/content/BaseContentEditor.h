#pragma once

#include "content/WidSpintaxModeComboBox.h"
#include "views/BaseComboBox.h"
#include "views/BaseEditor.h"

#include <QList>

#include <functional>

namespace Vexal {

class DBBase;

// The editor base of the content areas. Beyond the bound fields of
// BaseEditor it binds record choosers (an id column shown as a combo box,
// optional ones with an empty "none" item of id -1, required ones checked
// before a save) and spintax parts (a highlighted text field with the
// chooser of its dialect beside it), and gives the page's text fields the
// Edit menu's find and replace and the zoom commands: they work on the text
// field that last had the focus.
class BaseContentEditor : public BaseEditor
{
    Q_OBJECT
public:
    using BaseEditor::BaseEditor;

    QString selectedText() const override;
    void find(const QString& text, bool forward, bool matchCase) override;
    void replace(const QString& text, const QString& with, bool forward, bool matchCase) override;
    void replaceAll(const QString& text, const QString& with, bool matchCase) override;
    void zoomIn() override;
    void zoomOut() override;
    void zoomReset() override;

    // The text field the text commands work on; null when the page has none.
    QPlainTextEdit* activeTextEdit() const;

protected:
    // A chooser of the record's id column, of the given combo box class. It
    // is filled once, when the page is built; a new record starts on
    // initialId (optional choosers: none).
    template <class Box, class R>
    Box* addIdField(const QString& label, qint64 (R::*get)() const, void (R::*set)(qint64), bool required)
    {
        auto* box = new Box(m_body);
        addFieldRow(label, box);
        box->reload();
        if (!required)
            box->insertItem(0, QString(), -1);
        else
            m_required << box;
        addField(
            [box, get](DBBase* r) { if (R* x = qobject_cast<R*>(r)) box->setCurrentId((x->*get)()); },
            [box, set](DBBase* r) { if (R* x = qobject_cast<R*>(r)) (x->*set)(box->currentId()); },
            [this, box] { box->setCurrentId(initialId(box)); }, comboWatcher(box));
        return box;
    }

    // A spintax part: its highlighted text field, and beside it the chooser
    // of its dialect. Returns the text field.
    template <class R>
    QPlainTextEdit* addSpintaxPart(const QString& label, QString (R::*get)() const, void (R::*set)(const QString&),
                                   int (R::*getMode)() const, void (R::*setMode)(int))
    {
        QPlainTextEdit* edit = nullptr;
        WidSpintaxModeComboBox* box = nullptr;
        addFieldRow(label, createSpintaxPart(&edit, &box));
        bindField(edit, get, set, &QPlainTextEdit::toPlainText, &QPlainTextEdit::setPlainText, QString(),
                  &QPlainTextEdit::textChanged);
        addField([box, getMode](DBBase* r) { if (R* x = qobject_cast<R*>(r)) applyMode(box, (x->*getMode)()); },
                 [box, setMode](DBBase* r) { if (R* x = qobject_cast<R*>(r)) (x->*setMode)(readMode(box)); },
                 [box] { applyMode(box, 2); }, comboWatcher(box));
        return edit;
    }

    // A plain multi-line text field that the text commands reach.
    template <class R>
    QPlainTextEdit* addTextArea(const QString& label, QString (R::*get)() const, void (R::*set)(const QString&))
    {
        QPlainTextEdit* edit = addMultiLineField(label, get, set);
        watchText(edit);
        return edit;
    }

    // The id a new record's chooser starts on; -1 is none (or the first
    // item). The Init's second id by default.
    virtual qint64 initialId(const BaseComboBox* box) const;

    bool validate() override;

    void watchText(QPlainTextEdit* edit);
    // The text field the text commands use until another had the focus
    // (the first watched one by default).
    void setDefaultTextEdit(QPlainTextEdit* edit) { m_default = edit; }

private:
    std::function<QMetaObject::Connection()> comboWatcher(QComboBox* box);
    QWidget* createSpintaxPart(QPlainTextEdit** edit, WidSpintaxModeComboBox** box);
    static void applyMode(WidSpintaxModeComboBox* box, int mode);
    static int readMode(const WidSpintaxModeComboBox* box);
    bool eventFilter(QObject* watched, QEvent* event) override;

    QList<BaseComboBox*> m_required;
    QList<QPlainTextEdit*> m_texts;
    QPlainTextEdit* m_active = nullptr;
    QPlainTextEdit* m_default = nullptr;
    int m_zoom = 0;
};

} // namespace Vexal
