#pragma once

#include <QObject>
#include <QString>

// What the desktop hears of a batch: a notification when it ends while the window is in the
// background, and its overall progress on the task bar entry. Both go over the session bus and
// are fire-and-forget: no call waits for an answer, and where no bus or no notification service
// runs nothing happens and nothing is printed.
class DesktopNotifier final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DesktopNotifier)

public:
    explicit DesktopNotifier(QObject *parent = nullptr);

    // The batch has ended with these counts (`partly`: files kept with part of their input). When
    // the window is not active, asks the org.freedesktop.Notifications service to show them; a
    // later notice replaces the earlier.
    void BatchEnded(int completed, int failed, int canceled, bool windowActive, int partly = 0);
    // The batch's overall progress, 0..1, while it runs; negative when none runs. Sent as the
    // com.canonical.Unity.LauncherEntry Update signal for "application://kelvora.desktop",
    // only when it changes by a percent or more, or shows or hides.
    void BatchProgress(double fraction);

    // The notice's body text: "12 files converted, 1 failed, 0 canceled", with ", 2 partly
    // converted" when there are such files.
    static QString Summary(int completed, int failed, int canceled, int partly = 0);

Q_SIGNALS:
    // The notification service answered a Notify call (`shown`) or refused it / is not there.
    void NotifyAnswered(bool shown);

private:
    uint m_lastId = 0;
    bool m_progressVisible = false;
    int m_lastPercent = -1;
};
