#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <sys/mount.h>
#include <sys/statvfs.h>

// A small memory file system (of `size`, as tmpfs reads it) mounted on a
// folder while the object lives (mounting takes root, as the tests have it
// in CI); fill() leaves it without a free byte.
class SmallDisk
{
public:
    explicit SmallDisk(const QString& folder, const char* size = "512k")
        : m_folder(QFile::encodeName(folder))
    {
        m_mounted = ::mount("tesvar-test", m_folder.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                            QByteArray("size=").append(size).constData())
            == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isMounted() const { return m_mounted; }

    // Leaves `left` bytes free (rounded down to whole blocks), none by default.
    bool fill(qint64 left = 0) const
    {
        QFile filler(QDir(QFile::decodeName(m_folder)).filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'x');
        while (free() >= left + block.size() && filler.write(block) == block.size()) {}
        return left > 0 ? free() >= left - block.size() && free() <= left : free() == 0;
    }

private:
    qint64 free() const
    {
        struct statvfs disk
        {
        };
        return ::statvfs(m_folder.constData(), &disk) == 0 ? qint64(disk.f_bfree) * qint64(disk.f_frsize) : -1;
    }

    QByteArray m_folder;
    bool m_mounted = false;
};
