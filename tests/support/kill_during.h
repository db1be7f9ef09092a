#pragma once

#include <QtTest>

#include <csignal>
#include <functional>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testkill {

// Forks `rounds` children that call `save(1)`, then `save(0)`, `save(1)` ... on end, and kills each
// at a random moment once its first save is done; `check` looks at what it left.
inline void KillDuringSaves(int rounds, const std::function<void(int)> &save,
                            const std::function<void()> &check)
{
    QRandomGenerator random(14);
    for (int round = 0; round < rounds && !QTest::currentTestFailed(); ++round) {
        // The child says when its first save is done, so that the kill lands among saves.
        int started[2];
        QCOMPARE(::pipe(started), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            ::close(started[0]);
            save(1);
            const char byte = 1;
            [[maybe_unused]] const ssize_t n = ::write(started[1], &byte, 1);
            for (int i = 0; i < 200000; ++i)
                save(i % 2);
            ::_exit(0);
        }
        ::close(started[1]);
        pollfd wait = {started[0], POLLIN, 0};
        QCOMPARE(::poll(&wait, 1, 20000), 1);
        ::close(started[0]);
        QElapsedTimer spin;
        spin.start();
        const qint64 stretch = random.bounded(3000000);
        while (spin.nsecsElapsed() < stretch) { }
        QCOMPARE(::kill(child, SIGKILL), 0);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        check();
    }
}

} // namespace testkill
