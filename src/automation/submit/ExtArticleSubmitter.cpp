#include "automation/submit/ExtArticleSubmitter.h"

#include "automation/submit/DelegateArticleSubmitter.h"
#include "automation/submit/LocaleSubmitter.h"
#include "content/DBArticle.h"
#include "content/DBSpinnedArticle.h"
#include "content/SPNFinalParser.h"
#include "content/WidArticleComboBox.h"
#include "content/WidSpinnedArticleComboBox.h"
#include "data/WebsiteType.h"
#include "texts/Utils.h"
#include "shell/WidWebView.h"
#include "sites/WidWebsiteComboBox.h"
#include "texts/LocaleArticle.h"

namespace Vexal {

ExtArticleSubmitter::ExtArticleSubmitter(QWidget* parent)
    : BaseSubmitter(parent)
{
    setFixedType(WebsiteType::Articles);
}

QString ExtArticleSubmitter::caption() const
{
    return LocaleSubmitter::articleSubmitter();
}

void ExtArticleSubmitter::createChoosers()
{
    BaseSubmitter::createChoosers();
    m_articleBox = new WidArticleComboBox(body());
    m_spunArticleBox = new WidSpinnedArticleComboBox(body());
    // Another article reloads the spun chooser, whose change refreshes.
    addRecordChooser(LocaleArticle::article(), m_articleBox, false);
    addRecordChooser(LocaleArticle::spunArticle(), m_spunArticleBox);
}

void ExtArticleSubmitter::fillFieldList()
{
    addDragItems({LocaleArticle::title(), LocaleArticle::tags(), LocaleArticle::authorsBio(), LocaleArticle::intro(),
                  LocaleArticle::body()});
}

void ExtArticleSubmitter::connectWidgets()
{
    BaseSubmitter::connectWidgets();
    connect(m_articleBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ExtArticleSubmitter::slotArticleChanged, Qt::UniqueConnection);
}

void ExtArticleSubmitter::disconnectWidgets()
{
    BaseSubmitter::disconnectWidgets();
    disconnect(m_articleBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
               &ExtArticleSubmitter::slotArticleChanged);
}

void ExtArticleSubmitter::loadItems()
{
    m_articleBox->reload();
    m_spunArticleBox->reload(m_articleBox->currentId());
}

void ExtArticleSubmitter::slotArticleChanged()
{
    setContext(LocaleSubmitter::updateItems());
    // The spun chooser's index signal refreshes the drag values.
    m_spunArticleBox->reload(m_articleBox->currentId());
}

void ExtArticleSubmitter::fillValues()
{
    if (!m_spunArticleBox->hasSelection()) {
        clearDragValues();
        return;
    }
    DBArticle article;
    DBSpinnedArticle spunArticle;
    if (!loadReported(&article, m_articleBox->currentId())
        || !loadReported(&spunArticle, m_spunArticleBox->currentId()))
        return;
    SPNFinalParser parser;
    parser.parse(&spunArticle);
    setDragValues({parser.title(), Utils::normalizeTags(article.tags()), article.author(), parser.intro(),
                   parser.body()});
}

void ExtArticleSubmitter::slotSubmit()
{
    if (!startSubmit({m_articleBox, m_spunArticleBox}))
        return;
    DelegateArticleSubmitter delegate(PageDomHandle(webView()), this);
    delegate.submit(m_articleBox->currentId(), m_spunArticleBox->currentId(), websiteBox()->currentId());
}

} // namespace Vexal
