#pragma once

#include "automation/templates/LocaleTemplate.h"
#include "views/BaseEditor.h"
#include "widgets/UtilFieldWidth.h"

#include <QList>

class QLabel;
class QTabWidget;

namespace Vexal {

class WidWebsiteComboBox;

// The editor of one template: the common rows ID, Name, Type and Website
// (the websites of the editor's type) and Comments, plus the selector rows
// of the kind, each a line edit bound to one column. A save needs a chosen
// website. A record whose website is not among the chooser's items leaves
// the chooser empty, so that a save asks for a website instead of moving
// the template silently to the first one listed.
class BaseTemplateEditor : public BaseEditor
{
    Q_OBJECT
public:
    // A websiteType of 0 takes the start parameters' type.
    explicit BaseTemplateEditor(QWidget* parent = nullptr, const Kind& kind = {}, int websiteType = 0);

    // The website type flag the editor works with: the start parameters'
    // type, unless the kind fixes it (article, directory, social bookmark).
    int websiteType() const;

    QLineEdit* idField() const { return m_idEdit; }
    QLineEdit* nameField() const { return m_nameEdit; }
    QLineEdit* typeField() const { return m_typeEdit; }
    WidWebsiteComboBox* websiteField() const { return m_websiteBox; }
    QPlainTextEdit* commentsField() const { return m_commentsEdit; }
    QTabWidget* tabWidget() const { return m_tabs; }
    // The selector edits in the order of their rows.
    const QList<QLineEdit*>& selectorFields() const { return m_selectors; }

protected:
    // ID, Name, Type and Website widgets (not laid out).
    void createCommonWidgets();
    // The Comments label and plain text edit (not laid out).
    void createCommentsWidget();
    // Both of the above, laid out as rows of the grid.
    void addCommonRows(QGridLayout* grid);
    void addCommentsRow(QGridLayout* grid);

    // The tab widget as the editor's body; then addPage per page. A single
    // form editor overrides this with BaseEditor's grid.
    void createBody() override;
    QGridLayout* addPage(const QString& title);
    void finishPage(QGridLayout* grid);
    // The General page (common rows and comments), then the page named after
    // the kind, returned for its selector rows.
    template <class R>
    QGridLayout* addGeneralAndKindPages()
    {
        bindRecordClass<R>();
        QGridLayout* general = addPage(LocaleTemplate::general());
        addCommonRows(general);
        addCommentsRow(general);
        finishPage(general);
        return addPage(typeName());
    }

    // A selector row bound to the record's getter and setter, wide enough
    // for a selector of ordinary length.
    template <class R>
    QLineEdit* addSelectorRow(QGridLayout* grid, const QString& label, QString (R::*get)() const,
                              void (R::*set)(const QString&))
    {
        m_formLayout = grid;
        QLineEdit* edit = addTextField(label, get, set);
        edit->setMinimumWidth(UtilFieldWidth::forLength(edit, ordinarySelectorLength));
        m_selectors.append(edit);
        m_selectorNames.append(label);
        return edit;
    }

    // Binds the editor to its record class (call once in createWidgets).
    template <class R>
    void bindRecordClass()
    {
        m_isKind = [](DBBase* r) { return qobject_cast<R*>(r) != nullptr; };
        m_websiteOf = [](DBBase* r) { return static_cast<R*>(r)->websiteId(); };
        m_setWebsite = [](DBBase* r, qint64 id) { static_cast<R*>(r)->setWebsiteId(id); };
    }

    // Both refuse a record of another kind.
    void fillWidgets(DBBase* record) override;
    void storeWidgets(DBBase* record) override;
    // A save needs a chosen website, and a selector in every field that
    // parses and fits its column (DBTemplateBase::selectorLimit): else the
    // bar names the first field that does not, with the cause, until
    // closed, the field is shown, and nothing is stored.
    bool validate() override;

    // Characters of a selector of ordinary length, such as
    // div.signup-form form#register input[name="email"].
    static constexpr int ordinarySelectorLength = 60;

    QLabel* m_idLabel = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_typeLabel = nullptr;
    QLabel* m_websiteLabel = nullptr;
    QLabel* m_commentsLabel = nullptr;
    QLineEdit* m_idEdit = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    QLineEdit* m_typeEdit = nullptr;
    WidWebsiteComboBox* m_websiteBox = nullptr;
    QPlainTextEdit* m_commentsEdit = nullptr;
    QTabWidget* m_tabs = nullptr;
    QList<QLineEdit*> m_selectors;
    // The names of the selector rows, in the same order.
    QStringList m_selectorNames;

private:
    bool isKind(DBBase* record) const;
    void showType();
    // Why the selector of a row cannot be stored; "" when it can.
    QString selectorRefusal(int row) const;
    // Brings the row's field into view, with the focus.
    void showField(QLineEdit* field);

    std::function<bool(DBBase*)> m_isKind;
    std::function<int(DBBase*)> m_websiteOf;
    std::function<void(DBBase*, qint64)> m_setWebsite;
    const int m_websiteType;
};

} // namespace Vexal
