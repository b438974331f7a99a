#pragma once

#include <QObject>
#include <QString>

namespace Vexal {

// Address templates of the built-in web-search services; %1 takes the search
// words. The engine codes are those the search bar stores.
class ConstCore : public QObject
{
    Q_OBJECT
public:
    ConstCore() = delete;

    enum SearchEngine {
        EngineWeb = 2,
        EnginePortal = 4,
        EngineShop = 8,
        EngineAnswers = 16,
        EngineEncyclopedia = 32
    };

    static QString searchWeb();
    static QString searchPortal();
    static QString searchShop();
    static QString searchAnswers();
    static QString searchEncyclopedia();

    // The template of an engine code; "" for any other code.
    static QString searchTemplate(int engine);
};

} // namespace Vexal
