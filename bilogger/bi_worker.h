// The two process-wide workers of the analytics client: the record writer
// (BiRecordBatcher) and the uploader (BiTaskQueue). Threads start lazily with
// the first record or task; release() stops them and a new init() lets them
// start again.
#pragma once

#include "bi_record_batcher.h"
#include "bi_task_queue.h"

extern BiRecordBatcher recordWriter;
extern BiTaskQueue uploader;

// Both within one deadline: recordWriter first, so every record sent before
// is stored (or given up at the deadline); then uploader.
void stopWorkers();
