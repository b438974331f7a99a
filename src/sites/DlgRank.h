#pragma once

#include "widgets/DlgBase.h"

#include <QPointer>

class QLineEdit;

namespace Vexal {

class RankAlexa;
class RankGoogle;
class RankQuery;

// Runs a page-rank and an Alexa-rank query and shows each answer as it comes
// ("Loading..." until then). The queries stay their owner's.
class DlgRank final : public DlgBase
{
    Q_OBJECT
public:
    DlgRank(RankGoogle* google, RankAlexa* alexa, QWidget* parent = nullptr);

    QString googleText() const;
    QString alexaText() const;

protected:
    void createWidgets() override;
    void createButtons() override;
    // Connects and starts both queries.
    void connectWidgets() override;

private:
    // Shows the query's answer in the field once it has come (at once when
    // it already has).
    void showAnswer(RankQuery* query, QLineEdit* field);

    QPointer<RankGoogle> m_google;
    QPointer<RankAlexa> m_alexa;
    QLineEdit* m_googleEdit = nullptr;
    QLineEdit* m_alexaEdit = nullptr;
};

} // namespace Vexal
