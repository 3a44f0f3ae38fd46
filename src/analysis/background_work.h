#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace lendora::analysis {

// Runs work on a thread of its own, so the window stays responsive to the
// user's typing; what the work made is handed back on the window's thread.
// A new start cancels the run before it, whose result is then dropped.
class BackgroundWork : public QObject {
public:
    // Called on the window's thread with the work's result.
    using Finish = std::function<void()>;
    using Progress = std::function<void(int percent)>;
    // The work: runs on the thread, should stop soon once `cancel` is raised.
    using Job = std::function<Finish(const std::atomic<bool>& cancel, const Progress& progress)>;

    explicit BackgroundWork(QObject* parent = nullptr);
    // Cancels every run and waits for them.
    ~BackgroundWork() override;

    void start(Job job);
    void cancel();
    bool busy() const { return busy_; }

    // On the window's thread: the latest run's progress, 0 to 100, and -1
    // when it ended.
    std::function<void(int percent)> onProgress;

private:
    struct Run {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> cancel;
        std::shared_ptr<std::atomic<bool>> ended;
    };
    void joinEnded();

    std::vector<Run> runs_;
    int generation_ = 0;
    bool busy_ = false;
};

} // namespace lendora::analysis
