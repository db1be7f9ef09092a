#pragma once

class QThreadPool;

// The threads for work on files that may hang on a mount that stopped answering (a network share,
// a disk going to sleep): probing, verifying outputs, sweeping folders. Unlike Qt's global pool
// it is never waited for when the program ends, so a hung task cannot keep the program from
// ending; a task must therefore hold nothing that ends with the program (share what it needs and
// post its answer only to an object that is still there).
QThreadPool *FileSystemPool();
