#pragma once

#include "content/WidSpinnedArticleEditor.h"
#include "content/WidSpinnedArticleTable.h"
#include "texts/LocaleArticle.h"
#include "views/BaseJournal.h"
#include "views/BaseRecordJournal.h"

namespace Vexal {

// The spun articles journal. Opened with an article id as the address of its
// Init, it shows only that article's spun articles.
class WidSpinnedArticleJournal final : public BaseRecordJournal<BaseJournal, WidSpinnedArticleTable,
                                                                WidSpinnedArticleEditor, &LocaleArticle::spunArticles>
{
    Q_OBJECT
public:
    using BaseRecordJournal::BaseRecordJournal;

    void setInit(QObject* init) override;

    WidSpinnedArticleTable* spinnedArticleTable() const { return recordTable(); }

protected:
    // A new spun article starts on the journal's article, if it has one.
    Init* createInit(QObject* parent) override;
};

} // namespace Vexal
