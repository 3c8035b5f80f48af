#include "bi_task.h"

#include "bi_log_store.h"

void BiTaskSend::run(BiLogStore& store, const std::atomic<bool>& /*stopRequested*/) {
    // A failed insert has already said why on stderr; the record is not retried.
    store.saveLog(environment, content);
}
