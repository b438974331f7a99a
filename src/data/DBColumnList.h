#pragma once

#include "data/DBDefaultColumns.h"
#include "data/DBTypedList.h"
#include "data/DBColumn.h"

namespace Vexal {

// The saved column layout of one table widget: the rows of "Column" whose
// WidgetID is the widget's identifier. When nothing is saved, the widget asks
// for its default set, which is built in memory and stored only on save.
class DBColumnList final : public DBTypedList<DBColumn>
{
    Q_OBJECT
public:
    explicit DBColumnList(const QString& widgetId, QObject* parent = nullptr);

    QString widgetId() const { return m_widgetId; }

    QString whereText() const override;

    // The logical index of the first column at that visual index; 0 when none.
    int logicalIndexAt(int visualIndex) const;

    // Appends ID, Name and Comments made from the seed.
    void addCommonColumns(DBColumn* seed, bool hideName);

    // A default set (null adds nothing); called only on an empty list. The
    // named adders below are this with their table's set.
    void addDefaultColumns(const DBDefaultColumns::ColumnSet* set);
    void addBookmarkColumns();
    void addProjectColumns();
    void addHistoryColumns();
    void addSynonymColumns();
    void addSpinnedArticleColumns();
    void addArticleColumns();
    void addCategoryColumns();
    void addSocialBookmarkColumns();
    void addAccountColumns();
    void addWebsiteColumns();
    void addMasterAccountColumns();
    void addSocialBookmarkTemplateColumns();
    void addRegistrationTemplateColumns();
    void addLoginTemplateColumns();
    void addDirectoryTemplateColumns();
    void addArticleTemplateColumns();
    void addDirectoryColumns();
    void addRankColumns();
    void addUrlShortcutColumns();
    void addFirstNameColumns();
    void addLastNameColumns();
    void addCountryColumns();
    void addCityColumns();
    void addAddressColumns();

private:
    QString m_widgetId;
};

} // namespace Vexal
