#include "automation/ExtArticleSubmitter.h"

#include "automation/DelegateArticleSubmitter.h"
#include "automation/LocaleSubmitter.h"
#include "content/DBArticle.h"
#include "content/DBSpinnedArticle.h"
#include "content/SPNFinalParser.h"
#include "content/WidArticleComboBox.h"
#include "content/WidSpinnedArticleComboBox.h"
#include "widgets/UtilGui.h"
#include "texts/Utils.h"
#include "shell/WidWebTab.h"
#include "shell/WidWebView.h"
#include "sites/WidWebsiteComboBox.h"
#include "sites/WidWebsiteTypeComboBox.h"
#include "texts/LocaleArticle.h"

#include <QLabel>

namespace Vexal {

namespace {
const int articlesType = 8;
}

ExtArticleSubmitter::ExtArticleSubmitter(QWidget* parent)
    : BaseSubmitter(parent)
{
}

QString ExtArticleSubmitter::caption() const
{
    return LocaleSubmitter::articleSubmitter();
}

void ExtArticleSubmitter::createChoosers()
{
    BaseSubmitter::createChoosers();
    auto* articleLabel = new QLabel(LocaleArticle::article(), body());
    m_articleBox = new WidArticleComboBox(body());
    auto* spunLabel = new QLabel(LocaleArticle::spunArticle(), body());
    m_spunArticleBox = new WidSpinnedArticleComboBox(body());
    UtilGui::addRow(grid(), typeLabel(), typeBox());
    UtilGui::addRow(grid(), websiteLabel(), websiteBox());
    UtilGui::addRow(grid(), articleLabel, m_articleBox);
    UtilGui::addRow(grid(), spunLabel, m_spunArticleBox);
}

void ExtArticleSubmitter::fillFieldList()
{
    addDragItem(LocaleArticle::title());
    addDragItem(LocaleArticle::tags());
    addDragItem(LocaleArticle::authorsBio());
    addDragItem(LocaleArticle::intro());
    addDragItem(LocaleArticle::body());
}

void ExtArticleSubmitter::connectWidgets()
{
    BaseSubmitter::connectWidgets();
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(m_articleBox, indexChanged, this, &ExtArticleSubmitter::slotArticleChanged, Qt::UniqueConnection);
    connect(m_spunArticleBox, indexChanged, this, &BaseSubmitter::slotRefreshDragDrop, Qt::UniqueConnection);
}

void ExtArticleSubmitter::disconnectWidgets()
{
    BaseSubmitter::disconnectWidgets();
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    disconnect(m_articleBox, indexChanged, this, &ExtArticleSubmitter::slotArticleChanged);
    disconnect(m_spunArticleBox, indexChanged, this, &BaseSubmitter::slotRefreshDragDrop);
}

void ExtArticleSubmitter::selectType(int)
{
    typeBox()->fill();
    typeBox()->setEnabled(false);
    typeBox()->setCurrentType(articlesType);
}

void ExtArticleSubmitter::loadWebsites(int websiteId)
{
    websiteBox()->reloadAndSelect(articlesType, websiteId);
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
    if (!article.load(m_articleBox->currentId())) {
        reportRecordError(&article);
        return;
    }
    DBSpinnedArticle spunArticle;
    if (!spunArticle.load(m_spunArticleBox->currentId())) {
        reportRecordError(&spunArticle);
        return;
    }
    SPNFinalParser parser;
    parser.parse(&spunArticle);
    setDragValues({parser.title(), Utils::normalizeTags(article.tags()), article.author(), parser.intro(),
                   parser.body()});
}

void ExtArticleSubmitter::slotSubmit()
{
    setContext(LocaleSubmitter::submit());
    if (!m_articleBox->hasSelection() || !m_spunArticleBox->hasSelection()) {
        warnRequiredItemsMissing();
        return;
    }
    DelegateArticleSubmitter delegate(webView(), this);
    delegate.submit(m_articleBox->currentId(), m_spunArticleBox->currentId(), websiteBox()->currentId());
}

} // namespace Vexal
