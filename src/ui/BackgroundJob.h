// Work that may run beside the GUI thread and that the program can also do without: loading
// ahead what the window will need, drawing ahead what it will show. A job that cannot get a
// thread of its own is left undone, and what needs its result does the work itself then.
#pragma once

#include <functional>
#include <thread>

namespace quillex {

class BackgroundJob {
public:
    BackgroundJob() = default;
    // Starts `work` at once; an empty `work` starts nothing.
    explicit BackgroundJob(std::function<void()> work);
    // Waits for the work, so that nothing it uses goes before it ends.
    ~BackgroundJob();
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    // Waits for the work started before, then starts `work`.
    void Start(std::function<void()> work);
    // Returns once the work started last has ended; at once when there is none.
    void Wait();

private:
    std::thread thread_;
};

}  // namespace quillex
