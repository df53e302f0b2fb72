#include "app/RecoveryFile.h"

#include "app/ModelFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kPrefix = QStringLiteral("recovery-");
const QString kSuffix = QStringLiteral(".qvs");

QString LockPathOf(const QString& recoveryPath)
{
    return recoveryPath.chopped(kSuffix.size()) + QStringLiteral(".lock");
}

} // namespace

// Process id and start time make the name unique, also for several editors in one process (tests).
RecoveryFile::RecoveryFile(const QString& folder)
{
    QDir().mkpath(folder);
    static int counter = 0;
    m_path = QDir(folder).filePath(QStringLiteral("%1%2-%3-%4%5")
                                       .arg(kPrefix)
                                       .arg(QCoreApplication::applicationPid())
                                       .arg(QDateTime::currentMSecsSinceEpoch())
                                       .arg(++counter)
                                       .arg(kSuffix));
    m_lock = std::make_unique<QLockFile>(LockPathOf(m_path));
    m_lock->tryLock(0);
}

RecoveryFile::~RecoveryFile() = default;

bool RecoveryFile::Write(const CWorld& world)
{
    QString error;
    return ModelFile::Save(world, m_path, &error);
}

void RecoveryFile::Remove()
{
    QFile::remove(m_path);
}

QString RecoveryFile::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

// A lock that can be taken belongs to nobody alive: its run ended without removing its file.
// Locks of runs that ended with nothing unsaved are cleared away on the way.
QString RecoveryFile::FindAbandoned(const QString& folder)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList({kPrefix + QStringLiteral("*.lock")}, QDir::Files)) {
        const QString lockPath = dir.filePath(name);
        QLockFile lock(lockPath);
        if (!QFile::exists(lockPath.chopped(5) + kSuffix) && lock.tryLock(0))
            lock.unlock();
    }
    const QFileInfoList files =
        QDir(folder).entryInfoList({kPrefix + QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : files) {
        QLockFile lock(LockPathOf(file.filePath()));
        if (lock.tryLock(0)) {
            lock.unlock();
            return file.filePath();
        }
    }
    return QString();
}
