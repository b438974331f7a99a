#pragma once

#include <QObject>
#include <QString>

namespace Vexal {

// Address templates of the built-in web-search services; %1 takes the search
// words. The engine codes are those the search bar stores.
namespace ConstCore {

enum SearchEngine {
    EngineWeb = 2,
    EnginePortal = 4,
    EngineShop = 8,
    EngineAnswers = 16,
    EngineEncyclopedia = 32
};

QString searchWeb();
QString searchPortal();
QString searchShop();
QString searchAnswers();
QString searchEncyclopedia();

// The template of an engine code; "" for any other code.
QString searchTemplate(int engine);

} // namespace ConstCore

} // namespace Vexal
