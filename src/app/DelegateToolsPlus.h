#pragma once

#include "shell/DelegateBase.h"

#include <QDate>

namespace Vexal {

// The Tools menu's small tool dialogs, the page rank history and check, and
// the form-filler panel of the current web tab.
class DelegateToolsPlus : public DelegateBase
{
    Q_OBJECT
public:
    DelegateToolsPlus(WidTabManager* tabManager, QObject* parent);

    void openPasswordGenerator();
    void openGuidGenerator();
    void openRankJournal();
    void openUrlInfo();
    void openFormFiller();
    void checkPageRank();

    // Stores the rank texts of a host for a day in that day's record (created
    // when missing); a text that is no number keeps the stored value. Failures
    // are reported; false then.
    bool storeRank(const QString& host, const QDate& date, const QString& googleText, const QString& alexaText);
};

} // namespace Vexal
