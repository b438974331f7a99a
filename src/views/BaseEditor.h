#pragma once

#include "shell/BaseTab.h"
#include "widgets/WidPasswordEdit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QWidget>

#include <functional>
#include <vector>

class QGridLayout;
class QScrollArea;
class QVBoxLayout;

namespace Vexal {

class BaseEditorToolbar;
class DBBase;
class DBListBase;
class SyncManager;

// The editor tab of one record (Add and Edit). The base fixes the order in
// which the page is built, filled, watched and saved: a new record (Init id
// -1) starts modified with Save on; a stored one is loaded and starts clean.
// Filling never marks the page modified (disconnect, fill, connect); every
// save loads the record afresh, so columns the form does not show keep their
// stored values, and after an insert the page edits the stored row. A new
// project-owned record is stored under the current project.
//
// A data area passes its record kind (kind<DBProject>(LocaleProject::project):
// the name in the title and the record class) and supplies its fields. Fields
// made with the add...Field helpers are filled, stored, cleared and watched by
// the base; a form needs no fill/store code of its own:
//
//     void createWidgets() override {
//         addNameField(LocaleProject::name());
//         addTextField(LocaleProject::url(), &DBProject::url, &DBProject::setUrl, LocaleProject::urlPrefix());
//         addCommentsField(LocaleProject::comments());
//         finishForm();
//     }
//
// Fields of other kinds are bound with addField (or watchField, for a widget
// whose value another field fills and stores).
class BaseEditor : public QWidget, public BaseTab
{
    Q_OBJECT
public:
    // What an editor edits: the kind's name and a new record of its class.
    struct Kind
    {
        QString (*name)();
        DBBase* (*create)(QObject* parent);
    };
    template <class R>
    static Kind kind(QString (*name)())
    {
        return {name, [](QObject* parent) -> DBBase* { return new R(parent); }};
    }

    explicit BaseEditor(QWidget* parent = nullptr, const Kind& kind = {});
    ~BaseEditor() override;

    QString title() const override;
    virtual QString typeName() const;
    void setInit(QObject* init) override;
    void save() override;

    // The record name as last loaded or saved; empty for a new record.
    QString recordName() const { return m_name; }
    // The Name field of a form that has one (addNameField).
    QLineEdit* nameEdit = nullptr;
    SyncManager* syncManagerObject() const { return m_syncManager; }
    BaseEditorToolbar* toolbarWidget() const { return m_toolbar; }

    void reportInvalidObject(const QString& object) const;
    void reportListError(const DBListBase* list) const;
    void reportRecordError(const DBBase* record) const;

public slots:
    void slotSave();
    void handleDirty();

protected:
    // createToolbar, connectToolbar, createBody, createWidgets.
    virtual void create();
    virtual void createToolbar();
    virtual void connectToolbar();
    virtual void createBody();
    virtual void createWidgets();
    // A new record of the editor's kind, parent the editor.
    virtual DBBase* createRecord();
    // createRecord, then load it by the Init's id (not for -1). Null when the
    // load fails, reported: a row deleted meanwhile as no longer existing.
    // The record lives until the next loadRecord.
    virtual DBBase* loadRecord();
    virtual void disconnectWidgets();
    virtual void fillWidgets(DBBase* record);
    virtual void clearWidgets();
    virtual void connectWidgets();
    virtual void storeWidgets(DBBase* record);
    virtual bool validate();
    virtual void afterSave(DBBase* record);
    // The page edits the stored record from now on: its id, name and values,
    // clean; then afterSave.
    void showSaved(DBBase* record);

    // The page in a scroll area of the editor: once the widgets are made, its
    // rows keep their heights and a short tab scrolls the page. The body is
    // one; a body of several pages passes each.
    QScrollArea* scrollPage(QWidget* page);

    // ---- field helpers for createWidgets ----
    void addFieldRow(const QString& label, QWidget* field);
    // Stretches the last row and the field column.
    void finishForm();

    QLineEdit* addNameField(const QString& label);
    QPlainTextEdit* addCommentsField(const QString& label);

    // Binds a widget to a record column: the widget's writer shows the
    // column's value (the initial one for a new record), its reader gives
    // the value to store and its change signal marks the page modified.
    template <class R, class T, class V, class W, class Read, class Write, class Initial, class Changed>
    W* bindField(W* widget, T (R::*get)() const, void (R::*set)(V), Read read, Write write, Initial initial,
                 Changed changed)
    {
        addField([widget, get, write](DBBase* r) { if (R* x = qobject_cast<R*>(r)) (widget->*write)((x->*get)()); },
                 [widget, set, read](DBBase* r) { if (R* x = qobject_cast<R*>(r)) (x->*set)((widget->*read)()); },
                 [widget, write, initial] { (widget->*write)(initial); },
                 [this, widget, changed] { return connect(widget, changed, this, &BaseEditor::handleDirty); });
        return widget;
    }

    template <class R>
    QLineEdit* addTextField(const QString& label, QString (R::*get)() const, void (R::*set)(const QString&),
                            const QString& initial = QString())
    {
        auto* edit = new QLineEdit(m_body);
        addFieldRow(label, edit);
        return bindField(edit, get, set, &QLineEdit::text, &QLineEdit::setText, initial, &QLineEdit::textChanged);
    }

    template <class R>
    QPlainTextEdit* addMultiLineField(const QString& label, QString (R::*get)() const,
                                      void (R::*set)(const QString&), const QString& initial = QString())
    {
        auto* edit = new QPlainTextEdit(m_body);
        addFieldRow(label, edit);
        return bindField(edit, get, set, &QPlainTextEdit::toPlainText, &QPlainTextEdit::setPlainText, initial,
                         &QPlainTextEdit::textChanged);
    }

    // A check box over a flag column; a number column reads as checked when
    // not 0 and is stored as 1 or 0.
    template <class R, class V>
    QCheckBox* addBoolField(const QString& label, V (R::*get)() const, void (R::*set)(V), bool initial = false)
    {
        auto* box = new QCheckBox(m_body);
        addFieldRow(label, box);
        return bindField(box, get, set, &QCheckBox::isChecked, &QCheckBox::setChecked, initial, &QCheckBox::toggled);
    }

    template <class R>
    QSpinBox* addIntField(const QString& label, int (R::*get)() const, void (R::*set)(int), int minimum,
                          int maximum, int initial = 0)
    {
        auto* box = new QSpinBox(m_body);
        box->setRange(minimum, maximum);
        addFieldRow(label, box);
        return bindField(box, get, set, &QSpinBox::value, &QSpinBox::setValue, initial,
                         QOverload<int>::of(&QSpinBox::valueChanged));
    }

    // A date; an invalid stored date, and a new record, show today.
    template <class R>
    QDateEdit* addDateField(const QString& label, QDate (R::*get)() const, void (R::*set)(const QDate&))
    {
        auto* edit = new QDateEdit(m_body);
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        addFieldRow(label, edit);
        addField(
            [edit, get](DBBase* r) {
                if (R* x = qobject_cast<R*>(r))
                    edit->setDate((x->*get)().isValid() ? (x->*get)() : QDate::currentDate());
            },
            [edit, set](DBBase* r) { if (R* x = qobject_cast<R*>(r)) (x->*set)(edit->date()); },
            [edit] { edit->setDate(QDate::currentDate()); },
            [this, edit] { return connect(edit, &QDateEdit::dateChanged, this, &BaseEditor::handleDirty); });
        return edit;
    }

    // A password column, handed to and taken from the field scrambled.
    template <class R>
    WidPasswordEdit* addPasswordField(const QString& label, QString (R::*get)() const,
                                      void (R::*set)(const QString&))
    {
        auto* edit = new WidPasswordEdit(m_body);
        addFieldRow(label, edit);
        return bindField(edit, get, set, &WidPasswordEdit::scrambledText, &WidPasswordEdit::setScrambledText,
                         QString(), &WidPasswordEdit::textChanged);
    }

    // A field of any kind: how the record fills it, how it is stored, what a
    // new record shows and which change marks the page modified. The fields
    // are filled, stored and cleared in the order they were added.
    void addField(std::function<void(DBBase*)> fill, std::function<void(DBBase*)> store,
                  std::function<void()> clear, std::function<QMetaObject::Connection()> watch);
    void watchField(std::function<QMetaObject::Connection()> watch) { addField({}, {}, {}, std::move(watch)); }

    QVBoxLayout* m_boxLayout = nullptr;
    QGridLayout* m_formLayout = nullptr;
    QWidget* m_body = nullptr;
    BaseEditorToolbar* m_toolbar = nullptr;
    SyncManager* m_syncManager = nullptr;
    QString m_name;

private:
    struct Field
    {
        std::function<void(DBBase*)> fill;
        std::function<void(DBBase*)> store;
        std::function<void()> clear;
        std::function<QMetaObject::Connection()> watch;
        QMetaObject::Connection connection;
    };

    void setClean(bool clean);
    // The stored row of the edited record is known to be gone: a look-up
    // that fails proves nothing.
    bool isRecordGone(const DBBase* record) const;
    // The record could not be read or written: it is gone, or the failure
    // with its cause. Either stays on the notification bar until the user
    // closes it: the page shows no record, or edits that are not stored.
    void reportRecordFailure(const DBBase* record) const;

    const Kind m_kind;
    std::vector<Field> m_fields;
    QList<QWidget*> m_pages;
    DBBase* m_record = nullptr;
};

} // namespace Vexal
