#pragma once
#include <QLockFile>
#include <QString>
#include <memory>

class CWorld;

// This run's copy of the unsaved scene, a scene document in a folder of the
// user's data, so a run that never closes (a crash, a kill) loses little. While
// the run lives it holds a lock beside its file; a file whose lock nobody holds
// was left by a run that did not exit cleanly.
class RecoveryFile
{
public:
    // How often the editor writes the unsaved scene.
    static constexpr int IntervalMilliseconds = 30000;

    explicit RecoveryFile(const QString& folder);
    // The lock goes, the file stays: only a clean exit removes it.
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    // Replaces this run's file with the scene; false when it could not be written.
    bool Write(const CWorld& world);
    // For a clean exit, or once nothing is unsaved any more.
    void Remove();
    QString Path() const { return m_path; }

    // The platform's folder for the editor's data.
    static QString DefaultFolder();
    // The newest file a run left there without exiting cleanly; empty for none.
    static QString FindAbandoned(const QString& folder);

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
