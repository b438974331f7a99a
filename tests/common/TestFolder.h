#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A temporary folder that is the current directory while the object lives;
// the program keeps its database, log and backups in the current directory.
class TestFolder
{
public:
    TestFolder()
        : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
    }
    ~TestFolder() { QDir::setCurrent(m_previous); }

    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
