#pragma once

#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

namespace Vexal {

// The process-wide log: a small UTF-8 file (log.txt in the current folder)
// for errors, warnings, notes and critical start-up failures, and four lists
// of numbered HTML lines for the error console. Messages carry the context
// (class name and action) last set with setContext, unless given explicitly.
// A line reaches the file as it is logged (the file is opened for each
// line), so lines logged early in the start are kept as later ones are.
class Logger final : public QObject
{
    Q_OBJECT
public:
    // The log file is removed and started afresh before a write once it has
    // reached this size in bytes.
    static constexpr qint64 restartSize = 300 * 1024;
    // The lists are cleared together once the all list holds this many lines.
    static constexpr int listLimit = 300;

    // The level a line was logged at.
    enum Level { LevelError, LevelWarning, LevelInfo, LevelCritical };

    static Logger* instance();

    static void setContext(const QString& className, const QString& action);
    static QString contextClassName();
    static QString contextAction();

    static void error(const QString& message);
    static void error(const QString& className, const QString& action, const QString& message);
    static void warning(const QString& message);
    static void warning(const QString& className, const QString& action, const QString& message);
    static void info(const QString& message);
    static void info(const QString& className, const QString& action, const QString& message);
    static void critical(const QString& message);
    static void critical(const QString& className, const QString& action, const QString& message);
    // Information that the file keeps too (its word there is "INFO"): what
    // the program changed on its own, such as a database file brought up to
    // date. Plain information stays out of the file.
    static void note(const QString& message);
    static void note(const QString& className, const QString& action, const QString& message);

    static QStringList errors();
    static QStringList warnings();
    static QStringList infos();
    // Every line in order; `levels` (when given) gets, index for index, the
    // level each was logged at (a note's is LevelInfo), read together.
    static QStringList allLines(QVector<Level>* levels = nullptr);

    // Clears all four lists; unless forced, only once the all list holds
    // listLimit lines or more.
    static void trimLists(bool force);

    // Appends one finished line to the log file. A write that the file
    // cannot take (a full disk) leaves it as it was: no part of the line,
    // and no file where there was none.
    void write(const QString& line);

    // True once the file could not be removed or opened; stays set.
    static bool isDisabled();
    // True once a line did not reach the file (disabled, or a failed write);
    // stays set.
    static bool lostLines();

    // For tests only: empties the lists and the context and re-enables the file.
    static void resetForTests();

private:
    Logger();
    void log(Level level, const QString& className, const QString& action, const QString& message, bool toFile);
    void trimListsLocked(bool force);

    QStringList m_errors;
    QStringList m_warnings;
    QStringList m_infos;
    QStringList m_all;
    QVector<Level> m_allLevels;
    QString m_className;
    QString m_action;
    QMutex m_fileMutex; // guards the file and the two flags
    QMutex m_listMutex; // guards the lists and the context
    bool m_disabled = false;
    bool m_lostLines = false;
};

} // namespace Vexal
