#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// The application: makes sure that one copy runs at a time, then runs the main window until it
// closes.
class CKelvoraApp
{
public:
    // The lock that keeps the name taken, in the user's runtime folder, named after the program.
    static QString LockPath();

    // Takes the single-instance lock; false when another copy holds it. A lock left behind by a
    // copy that died does not count.
    bool TakeInstanceLock();

    // The whole program: the lock, "Kelvora Already Running!" for a second copy, then the main
    // window run modally. Returns the exit code.
    int Run();

private:
    std::unique_ptr<QLockFile> m_lock;
};
