#include "content/DBArticleText.h"


namespace Vexal {

DBArticleText::DBArticleText(QObject* parent)
    : DBProjectBase(parent)
{
}

} // namespace Vexal
