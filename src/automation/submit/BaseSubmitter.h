#pragma once

#include "shell/BaseWebExtension.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <initializer_list>

class QGridLayout;
class QLabel;
class QListWidgetItem;
class QPushButton;

namespace Vexal {

class BaseComboBox;
class BaseSubmitterToolbar;
class DBBase;
class DBListBase;
class DBWebsite;
class WidDNDList;
class WidWebView;
class WidWebsiteComboBox;
class WidWebsiteNavigator;
class WidWebsiteTypeComboBox;

// Base of the panels that fill the form of a web tab's page from stored data.
// Nothing is built until the panel is attached: setWebTab builds the panel
// once and preselects the website of the page shown. Each panel appends its
// choosers and drag items, fills them and hands the chosen record to its
// filling delegate on Submit.
class BaseSubmitter : public QWidget, public BaseWebExtension
{
    Q_OBJECT
public:
    explicit BaseSubmitter(QWidget* parent = nullptr);
    ~BaseSubmitter() override;


    // A new website owned by the parent whose Host holds the host of the
    // tab's page; null when there is none, the page has no host, or the list
    // fails (that is reported).
    DBWebsite* findPageWebsite(QObject* parent);

    // A failed load or save: the error text to the log, its cause (or the
    // unexpected error) to the bar.
    void reportRecordError(const DBBase* record) const;
    void reportListError(const DBListBase* list) const;
    void reportInvalidObject(const QString& name) const;

    // The parts, null before the panel is attached.
    BaseSubmitterToolbar* toolbar() const { return m_toolbar; }
    WidWebsiteTypeComboBox* typeBox() const { return m_typeBox; }
    WidWebsiteComboBox* websiteBox() const { return m_websiteBox; }
    WidWebsiteNavigator* navigator() const { return m_navigator; }
    WidDNDList* dragList() const { return m_dragList; }
    QPushButton* dragButton() const { return m_dragButton; }

    // The drag items' values (Qt::UserRole), in list order.
    QStringList dragValues() const;

public slots:
    virtual void slotSubmit();
    virtual void slotReload();
    virtual void slotClose();
    virtual void slotTypeChanged();
    virtual void slotWebsiteChanged();
    virtual void slotRefreshDragDrop();
    virtual void slotPrevious();
    virtual void slotHomePage();
    virtual void slotLoginPage();
    virtual void slotRegistrationPage();
    virtual void slotUserPage();
    virtual void slotNext();

protected:
    void create() override;
    virtual void createToolbar();
    virtual void createBody();
    virtual void createChoosers();
    virtual void createNavigator();
    virtual void fillFieldList();
    virtual void connectWidgets();
    virtual void disconnectWidgets();
    virtual void refresh();
    virtual void selectType(int typeFlag);
    virtual void loadWebsites(qint64 websiteId);
    virtual void loadItems();
    virtual void fillValues();

    void paintEvent(QPaintEvent* event) override;

    // Logger context: this panel's class name and the action.
    void setContext(const QString& action) const;

    QGridLayout* grid() const { return m_grid; }
    QWidget* body() const { return m_body; }
    QLabel* typeLabel() const { return m_typeLabel; }
    QLabel* websiteLabel() const { return m_websiteLabel; }

    // The host tab's view; null while the panel is not attached.
    WidWebView* webView() const;

    // Appends a drag item with an empty value.
    QListWidgetItem* addDragItem(const QString& label);
    // The values go onto the drag items in order; missing ones become "".
    void setDragValues(const QStringList& values);
    void clearDragValues();

    // A panel for one website type: the type box shows it and cannot be
    // changed. Without one the type is the user's.
    void setFixedType(int type) { m_fixedType = type; }
    // A row below the website for a chooser of the records the drag items
    // show; with refreshes, choosing another record refreshes the values.
    // The chosen record stored anew elsewhere refreshes them in any case.
    void addRecordChooser(const QString& label, BaseComboBox* box, bool refreshes = true);
    void addDragItems(const QStringList& labels);
    // Loads the record chosen in the box. False when none is chosen (the drag
    // values are cleared) or the load fails (that is reported).
    bool loadChosen(const BaseComboBox* box, DBBase* record);
    bool loadReported(DBBase* record, qint64 id);
    // Starts a Submit: false, after the warning, when a required chooser has
    // nothing chosen. The warning names every such chooser, in the order given.
    bool startSubmit(std::initializer_list<const BaseComboBox*> required);
    // False, after the same warning, when a chooser has nothing chosen (a
    // page button without a website says so, as Submit does).
    bool chosen(std::initializer_list<const BaseComboBox*> required) const;

private:
    enum Page { HomePage, LoginPage, RegistrationPage, UserPage };
    void openPage(Page page);

    BaseSubmitterToolbar* m_toolbar = nullptr;
    QWidget* m_body = nullptr;
    QGridLayout* m_grid = nullptr;
    QLabel* m_typeLabel = nullptr;
    WidWebsiteTypeComboBox* m_typeBox = nullptr;
    QLabel* m_websiteLabel = nullptr;
    WidWebsiteComboBox* m_websiteBox = nullptr;
    WidWebsiteNavigator* m_navigator = nullptr;
    QPushButton* m_dragButton = nullptr;
    WidDNDList* m_dragList = nullptr;
    QList<BaseComboBox*> m_choosers;
    QList<BaseComboBox*> m_refreshers;
    QHash<const BaseComboBox*, QString> m_chooserLabels;
    int m_fixedType = -1;
};

} // namespace Vexal
