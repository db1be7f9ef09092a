#pragma once

#include "convert/conversion_job.h"

#include <thread>

class QObject;

// Runs one converter child for `job` and reports to `receiver` by posting WM_CONVERT_PROGRESS
// and WM_CONVERT_DONE; sets shared.jobFinished last. `receiver` must outlive the run: whoever
// starts a worker joins it before the receiver goes away.
void ConversionWorker(const ConversionJob &job, ConversionShared &shared, QObject *receiver);

// Starts ConversionWorker on a thread of its own once the job record is complete.
std::thread StartConversionWorker(ConversionJob job, ConversionShared &shared, QObject *receiver);
