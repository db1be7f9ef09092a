// Gives the one thread pool for file-system work that may hang.
#include "engine/platform/file_system_pool.h"

#include <QThreadPool>

QThreadPool *FileSystemPool()
{
    // Never deleted: deleting a pool waits for its tasks.
    static QThreadPool *const pool = new QThreadPool;
    return pool;
}
