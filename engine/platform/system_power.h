#pragma once

#include <QString>

#include <functional>

class QObject;

// What the program does when a batch ends ("When Done"). Kept for the running session only: a
// choice forgotten must not turn a machine off tomorrow.
enum class WhenDone { Nothing, Quit, Suspend, PowerOff };

// True when the choice `action` is to be carried out after a batch that `stopped` (Stop All, or
// the program's end) or did not, with `failed` files that failed; with `onlyIfAllSucceeded`, a
// single failed file keeps the computer as it is.
bool WhenDoneApplies(WhenDone action, bool stopped, int failed, bool onlyIfAllSucceeded);

namespace SystemPower {

// How long logind may take to answer: the user may be asked for a password first.
constexpr int kAnswerMs = 5 * 60 * 1000;

// Asks logind (org.freedesktop.login1 on the system bus) to suspend or power off the computer,
// allowing it to ask the user for leave (interactive authorisation). Returns at once; `done` runs
// in the event loop of `context`'s thread with an empty text when logind took the request, or the
// reason it did not (no bus, no logind, refused). Never runs `done` after `context` is gone. For
// the main thread only.
void Request(WhenDone action, QObject *context, std::function<void(const QString &error)> done);

} // namespace SystemPower
