#pragma once

#include "views/BaseEditor.h"

class QTabWidget;

namespace Vexal {

class OptionsTabBase;
class OptionsTabContent;
class OptionsTabGeneral;
class OptionsTabPrivacy;
class OptionsTabProxy;
class OptionsTabTabs;
class WidUrlShortcutJournal;

// The options tab: five option pages over the single options record and the
// URL shortcut journal as the sixth page. Saving stores the record, copies it
// into the options cache, reloads the cached shortcuts and tells the rest of
// the program through the hub's onUpdateOptions(). The record commands (Add,
// Edit, Delete, Select All, Reload) act on the shortcut journal while it is
// the current page.
class WidOptionsEditor final : public BaseEditor
{
    Q_OBJECT
public:
    explicit WidOptionsEditor(QWidget* parent = nullptr);

    QString title() const override;
    void open() override;
    void add() override;
    void edit() override;
    void remove() override;
    void selectAll() override;
    void reload() override;

    QTabWidget* tabWidgetObject() const { return m_tabWidget; }
    OptionsTabGeneral* generalPageObject() const { return m_generalPage; }
    OptionsTabTabs* tabsPageObject() const { return m_tabsPage; }
    OptionsTabContent* contentPageObject() const { return m_contentPage; }
    OptionsTabPrivacy* privacyPageObject() const { return m_privacyPage; }
    OptionsTabProxy* proxyPageObject() const { return m_proxyPage; }
    WidUrlShortcutJournal* shortcutJournalObject() const { return m_shortcutJournal; }

protected:
    void createBody() override;
    void createWidgets() override;
    void afterSave(DBBase* record) override;

private:
    // Runs the record command on the shortcut journal while it is the current page.
    void onJournal(void (WidUrlShortcutJournal::*command)());

    QTabWidget* m_tabWidget = nullptr;
    OptionsTabGeneral* m_generalPage = nullptr;
    OptionsTabTabs* m_tabsPage = nullptr;
    OptionsTabContent* m_contentPage = nullptr;
    OptionsTabPrivacy* m_privacyPage = nullptr;
    OptionsTabProxy* m_proxyPage = nullptr;
    WidUrlShortcutJournal* m_shortcutJournal = nullptr;
};

} // namespace Vexal
