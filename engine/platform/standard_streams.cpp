// Keeps the standard descriptors' numbers from being handed to the program's own files.
#include "engine/platform/standard_streams.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

int OpenClosedStandardStreams()
{
    int closed = 0;
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        closed |= 1 << fd;
        // The lowest free number is this one: those below it are open by now.
        const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
    return closed;
}
