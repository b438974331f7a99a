#include "content/SPNFinalParser.h"

#include "content/DBSpinnedArticle.h"
#include "content/SPNSpintax.h"
#include "core/Logger.h"

namespace Vexal {

SPNFinalParser::SPNFinalParser(QObject* parent)
    : QObject(parent)
{
}

void SPNFinalParser::parse(const DBSpinnedArticle* article)
{
    if (!article) {
        m_errors.clear();
        m_title.clear();
        m_intro.clear();
        m_body.clear();
        m_titleDialect = m_introDialect = m_bodyDialect = 0;
        return;
    }
    parse(article->titleFinal(), article->title(), article->titleMode(),
          article->introFinal(), article->intro(), article->introMode(),
          article->bodyFinal(), article->body(), article->bodyMode());
}

void SPNFinalParser::parse(const QString& titleFinal, const QString& titleSource, int titleMode,
                           const QString& introFinal, const QString& introSource, int introMode,
                           const QString& bodyFinal, const QString& bodySource, int bodyMode)
{
    m_errors.clear();
    m_title = spinPart(QStringLiteral("Title"), titleFinal, titleSource, titleMode, &m_titleDialect);
    m_intro = spinPart(QStringLiteral("Intro"), introFinal, introSource, introMode, &m_introDialect);
    m_body = spinPart(QStringLiteral("Body"), bodyFinal, bodySource, bodyMode, &m_bodyDialect);
}

QString SPNFinalParser::finalText(const QString& finalText, const QString& source, int dialect)
{
    return spinPart(QString(), finalText, source, dialect, nullptr);
}

QString SPNFinalParser::spinPart(const QString& part, const QString& finalText, const QString& source,
                                 int dialect, int* spunDialect)
{
    if (spunDialect)
        *spunDialect = 0;
    if (!finalText.isEmpty())
        return finalText;
    const SPNSpintax spintax(source, dialect);
    if (spunDialect)
        *spunDialect = spintax.dialect();
    if (!spintax.isValid()) {
        const QString message = part.isEmpty() ? spintax.errorString()
                                               : QString(part + QStringLiteral(": ") + spintax.errorString());
        if (!m_errors.isEmpty())
            m_errors += QLatin1Char('\n');
        m_errors += message;
        Logger::warning(QStringLiteral("SPNFinalParser"), QStringLiteral("Spin"), message);
    }
    return spintax.spin(m_random);
}

} // namespace Vexal
