#include "core/Logger.h"

#include "core/ConstApp.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

namespace Vexal {

Logger::Logger()
    : QObject(nullptr)
{
}

Logger* Logger::instance()
{
    // Created on first use, never destroyed.
    static Logger* const logger = new Logger;
    return logger;
}

void Logger::setContext(const QString& className, const QString& action)
{
    Logger* self = instance();
    QMutexLocker locker(&self->m_listMutex);
    self->m_className = className;
    self->m_action = action;
}

QString Logger::contextClassName()
{
    Logger* self = instance();
    QMutexLocker locker(&self->m_listMutex);
    return self->m_className;
}

QString Logger::contextAction()
{
    Logger* self = instance();
    QMutexLocker locker(&self->m_listMutex);
    return self->m_action;
}

#define TESVAR_LOGGER_LEVEL(name, level, toFile) \
    void Logger::name(const QString& message) \
    { \
        Logger* self = instance(); \
        QString className; \
        QString action; \
        { \
            QMutexLocker locker(&self->m_listMutex); \
            className = self->m_className; \
            action = self->m_action; \
        } \
        self->log(level, className, action, message, toFile); \
    } \
    void Logger::name(const QString& className, const QString& action, const QString& message) \
    { \
        instance()->log(level, className, action, message, toFile); \
    }

// Plain information stays out of the file; a note is information it keeps.
TESVAR_LOGGER_LEVEL(error, LevelError, true)
TESVAR_LOGGER_LEVEL(warning, LevelWarning, true)
TESVAR_LOGGER_LEVEL(info, LevelInfo, false)
TESVAR_LOGGER_LEVEL(note, LevelInfo, true)
TESVAR_LOGGER_LEVEL(critical, LevelCritical, true)
#undef TESVAR_LOGGER_LEVEL

void Logger::log(Level level, const QString& className, const QString& action, const QString& message, bool toFile)
{
    if (toFile) {
        const char* word = level == LevelError ? "ERROR"
            : level == LevelWarning            ? "WARNING"
            : level == LevelInfo               ? "INFO"
                                               : "CRITICAL";
        const QString time = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        write(QString::fromLatin1(word) + QStringLiteral(" %1 %2.%3 - %4\r\n").arg(time, className, action, message));
    }
    if (level == LevelCritical)
        return;

    QString html;
    QStringList* own = nullptr;
    switch (level) {
    case LevelError:
        html = QStringLiteral("<p><span style=\"font-weight:bold; color:#FF0000;\">%1. Error</span>: "
                              "<span style=\"color:#0000B4;\">%2.%3</span>: %4</p>");
        own = &m_errors;
        break;
    case LevelWarning:
        html = QStringLiteral("<p><span style=\"font-weight:bold; color:#C85000;\">%1. Warning</span>: "
                              "<span style=\"color:#0000B4;\">%2.%3</span>: %4</p>");
        own = &m_warnings;
        break;
    default:
        html = QStringLiteral("<p><span style=\"font-weight:bold; color:#008200;\">%1. Information</span>: "
                              "<span style=\"color:#0000B4;\">%2.%3</span>: %4</p>");
        own = &m_infos;
        break;
    }
    // The texts are filled in one pass after the number, so a marker inside a
    // message is never substituted again.
    const QString escapedClass = className.toHtmlEscaped();
    const QString escapedAction = action.toHtmlEscaped();
    const QString escapedMessage = message.toHtmlEscaped();

    QMutexLocker locker(&m_listMutex);
    trimListsLocked(false);
    own->append(html.arg(own->size()).arg(escapedClass, escapedAction, escapedMessage));
    m_all.append(html.arg(m_all.size()).arg(escapedClass, escapedAction, escapedMessage));
    m_allLevels.append(level);
}

QStringList Logger::errors()
{
    Logger* self = instance();
    QMutexLocker locker(&self->m_listMutex);
    return self->m_errors;
}

QStringList Logger::warnings()
{
    Logger* self = instance();
    QMutexLocker locker(&self->m_listMutex);
    return self->m_warnings;
}

QStringList Logger::infos()
{
    Logger* self = instance();
    QMutexLocker locker(&self->m_listMutex);
    return self->m_infos;
}

QStringList Logger::allLines(QVector<Level>* levels)
{
    Logger* self = instance();
    QMutexLocker locker(&self->m_listMutex);
    if (levels)
        *levels = self->m_allLevels;
    return self->m_all;
}

void Logger::trimLists(bool force)
{
    Logger* self = instance();
    QMutexLocker locker(&self->m_listMutex);
    self->trimListsLocked(force);
}

void Logger::trimListsLocked(bool force)
{
    if (!force && m_all.size() < listLimit)
        return;
    m_errors.clear();
    m_warnings.clear();
    m_infos.clear();
    m_all.clear();
    m_allLevels.clear();
}

void Logger::write(const QString& line)
{
    QMutexLocker locker(&m_fileMutex);
    if (m_disabled) {
        m_lostLines = true;
        return;
    }
    const QString path = ConstApp::logFile();
    const QFileInfo info(path);
    bool existed = info.exists();
    if (existed && info.size() >= restartSize) {
        if (!QFile::remove(path)) {
            m_disabled = m_lostLines = true;
            return;
        }
        existed = false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        m_disabled = m_lostLines = true;
        return;
    }
    const qint64 size = file.size();
    const QByteArray bytes = line.toUtf8();
    if (file.write(bytes) == bytes.size())
        return;
    m_lostLines = true;
    if (existed)
        file.resize(size);
    else
        file.remove();
}

bool Logger::isDisabled()
{
    Logger* self = instance();
    QMutexLocker locker(&self->m_fileMutex);
    return self->m_disabled;
}

bool Logger::lostLines()
{
    Logger* self = instance();
    QMutexLocker locker(&self->m_fileMutex);
    return self->m_lostLines;
}

void Logger::resetForTests()
{
    Logger* self = instance();
    {
        QMutexLocker locker(&self->m_listMutex);
        self->trimListsLocked(true);
        self->m_className.clear();
        self->m_action.clear();
    }
    QMutexLocker locker(&self->m_fileMutex);
    self->m_disabled = false;
    self->m_lostLines = false;
}

} // namespace Vexal
