#include "connection_set.h"

namespace tidemark::site_server {

void ConnectionSet::Start(posix::UniqueFd socket) {
    Worker& worker = workers_.emplace_back(std::move(socket));
    worker.thread = std::thread([this, &worker] {
        serve_(worker.connection);
        worker.connection.Hangup();
        worker.done = true;
    });
}

void ConnectionSet::JoinFinished() {
    for (auto it = workers_.begin(); it != workers_.end();) {
        if (!it->done) {
            ++it;
            continue;
        }
        it->thread.join();
        it = workers_.erase(it);
    }
}

void ConnectionSet::StopAll() {
    for (Worker& worker : workers_) worker.connection.Hangup();
    for (Worker& worker : workers_) worker.thread.join();
    workers_.clear();
}

}  // namespace tidemark::site_server
