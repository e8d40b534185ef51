#include "ui/BackgroundJob.h"

#include <system_error>
#include <utility>

namespace quillex {

BackgroundJob::BackgroundJob(std::function<void()> work) {
    Start(std::move(work));
}

BackgroundJob::~BackgroundJob() {
    Wait();
}

void BackgroundJob::Start(std::function<void()> work) {
    Wait();
    if (!work) {
        return;
    }
    try {
        thread_ = std::thread(std::move(work));
    } catch (const std::system_error&) {
        // Left undone; see the header.
    }
}

void BackgroundJob::Wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace quillex
