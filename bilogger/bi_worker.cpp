#include "bi_worker.h"

// The writer's counts are the uploader's too: it is declared first.
BiRecordBatcher recordWriter;
BiTaskQueue uploader;

void stopWorkers() {
    const BiSteadyTime deadline = std::chrono::steady_clock::now() + kBiStoreDeadline;
    // A wait the uploader has already begun is cut short too.
    uploader.store.setDeadline(deadline);
    stopWorker(recordWriter, deadline);
    stopWorker(uploader, deadline);
}
