#pragma once

#include <QDBusConnection>
#include <QObject>

#include <functional>

// The session and system buses, reached without ever waiting for them on the calling thread. A
// bus that accepts a connection but never answers would hold up whoever connects to it (Qt waits
// for its greeting): before the program's first connection to a bus, its socket is asked, from
// the event loop, to begin a login, and only a bus that answers within kAnswerMs is connected to.
// A bus that does not answer in time is taken as absent for as long as the program runs.
namespace BusAccess {

constexpr int kAnswerMs = 2000;
// Also the longest a call to a service waits for its answer.
constexpr int kCallMs = 2000;

// Runs `then` in the event loop of `context`'s thread with the bus (the system bus when
// `systemBus`): connected when it answered, not connected when there is none, it did not answer
// or its address cannot be read. Never runs `then` after `context` is gone. Returns at once. For
// the main thread only.
void WithBus(bool systemBus, QObject *context, std::function<void(QDBusConnection)> then);

} // namespace BusAccess
