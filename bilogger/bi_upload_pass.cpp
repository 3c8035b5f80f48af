// The upload pass of a flush task: configuration, duplicates, then batches of
// each environment, oldest first, until 500 records have been selected.
#include <iostream>
#include <optional>

#include "bi_gzip.h"
#include "bi_log_store.h"
#include "bi_server_config.h"
#include "bi_task.h"
#include "transport.h"

namespace {

constexpr int kAttempts = 3;
constexpr int kRecordsPerPass = 500;
const char* const kUploadPath = "/log/f/";

}  // namespace

void BiTaskFlush::run(BiLogStore& store, const std::atomic<bool>& stopRequested) {
    if (stopRequested.load()) return;
    // A file locked when the client started could not be counted then.
    store.establishCount();
    // Records the server took are never sent again in this run: while they
    // cannot be deleted (a file this user cannot write, a full disk), nothing
    // more is sent, which would only pile up more of them.
    if (!store.deleteUploaded()) return;
    const std::optional<std::string> first = store.firstEnvironment();
    if (stopRequested.load() || !first) return;
    environment = *first;
    if (!config.refresh(store, environment)) return;
    store.removeDuplicates();

    int attemptsLeft = kAttempts;
    int selectedTotal = 0;
    int count = 0;
    BiBatch batch;
    std::string gzipped;
    do {
        count = store.selectBatch(environment, config.packageSize, config.packageLine, batch);
        selectedTotal += count;
        if (count > 0) {
            const std::string* body = &batch.contents;
            bool sendable = true;
            if (config.compress) {
                sendable = gzipBatch(batch.contents, config.packageSize, gzipped);
                body = &gzipped;
            }
            const std::string host = config.hostFor(environment);
            while (sendable && !stopRequested.load() && attemptsLeft > 0) {
                const bool accepted = postForSuccess(host, kUploadPath, body->data(), body->size());
                --attemptsLeft;
                if (accepted) {
                    if (!store.deleteByIds(batch.ids, batch.generation)) {
                        // A later run may send this batch once more.
                        std::cerr << "upload pass stopped: " << batch.count()
                                  << " uploaded records cannot be deleted from the local store"
                                  << std::endl;
                        return;
                    }
                    attemptsLeft = kAttempts;
                    break;
                }
            }
            // A batch that cannot be compressed is not sent, and counts as a
            // failed attempt so that the pass cannot spin on it.
            if (!sendable) --attemptsLeft;
        } else {
            // An environment with rows left that selects nothing is failing
            // to be read; repeating it would spin until the worker stops.
            const std::optional<std::string> next = store.firstEnvironment();
            if (next && *next != environment) {
                count = 1;
                environment = *next;
            }
        }
        batch.clear();
        gzipped.clear();
    } while (!stopRequested.load() && count > 0 && attemptsLeft > 0 &&
             selectedTotal < kRecordsPerPass);
}
