#include "core/ConstCore.h"

namespace Vexal {

QString ConstCore::searchWeb()
{
    return QStringLiteral("http://www.google.com/search?q=%1&ie=utf-8&oe=utf-8&aq=t"
                          "&rls=org.mozilla:en-US:official&client=firefox-a");
}

QString ConstCore::searchPortal()
{
    return QStringLiteral("http://search.yahoo.com/search?p=%1&ei=UTF-8&fr=moz35");
}

QString ConstCore::searchShop()
{
    return QStringLiteral("http://www.amazon.com/exec/obidos/external-search/"
                          "?field-keywords=%1&mode=blended&tag=mozilla-20&sourceid=Mozilla-search");
}

QString ConstCore::searchAnswers()
{
    return QStringLiteral("http://www.answers.com/main/ntquery?s=%1&gwp=13");
}

QString ConstCore::searchEncyclopedia()
{
    return QStringLiteral("http://en.wikipedia.org/wiki/Special:Search?search=%1&sourceid=Mozilla-search");
}

QString ConstCore::searchTemplate(int engine)
{
    switch (engine) {
    case EngineWeb:
        return searchWeb();
    case EnginePortal:
        return searchPortal();
    case EngineShop:
        return searchShop();
    case EngineAnswers:
        return searchAnswers();
    case EngineEncyclopedia:
        return searchEncyclopedia();
    default:
        return QString();
    }
}

} // namespace Vexal
