#pragma once

#include "core/Random.h"

#include <QObject>
#include <QString>

namespace Vexal {

class DBSpinnedArticle;

// The texts a spun article is submitted with. For each of title, intro and
// body: the part's final text when it is not empty, otherwise the part's
// spintax spun in the part's dialect (2 Extreme, 4 Advance, 8 Classic; any
// other code is read as Classic). A spintax with an unbalanced brace is not
// spun: the part keeps its source text and the error goes to the log.
// Built new for each use.
class SPNFinalParser final : public QObject
{
    Q_OBJECT
public:
    explicit SPNFinalParser(QObject* parent = nullptr);

    // A null article gives empty texts.
    void parse(const DBSpinnedArticle* article);
    void parse(const QString& titleFinal, const QString& titleSource, int titleMode,
               const QString& introFinal, const QString& introSource, int introMode,
               const QString& bodyFinal, const QString& bodySource, int bodyMode);

    // One part by the rule above; an error is added to errorString().
    QString finalText(const QString& finalText, const QString& source, int dialect);

    // Results of the last parse.
    QString title() const { return m_title; }
    QString intro() const { return m_intro; }
    QString body() const { return m_body; }

    // The dialect each part of the last parse was spun in (2, 4 or 8, an
    // unknown code read as 8); 0 for a part whose final text was taken.
    int titleDialect() const { return m_titleDialect; }
    int introDialect() const { return m_introDialect; }
    int bodyDialect() const { return m_bodyDialect; }

    // The spintax errors met since the last parse began, one per line;
    // empty when every spun part was valid.
    QString errorString() const { return m_errors; }

private:
    // spunDialect (may be null) gets the dialect the text was spun in, 0
    // when the final text was taken.
    QString spinPart(const QString& part, const QString& finalText, const QString& source, int dialect,
                     int* spunDialect);

    Random m_random;
    QString m_title;
    QString m_intro;
    QString m_body;
    int m_titleDialect = 0;
    int m_introDialect = 0;
    int m_bodyDialect = 0;
    QString m_errors;
};

} // namespace Vexal
