#include "analysis/background_work.h"

#include <QMetaObject>

namespace lendora::analysis {

BackgroundWork::BackgroundWork(QObject* parent)
    : QObject(parent) {}

BackgroundWork::~BackgroundWork() {
    for (Run& run : runs_)
        *run.cancel = true;
    for (Run& run : runs_)
        run.thread.join();
}

void BackgroundWork::cancel() {
    for (Run& run : runs_)
        *run.cancel = true;
    ++generation_;
    if (busy_ && onProgress)
        onProgress(-1);
    busy_ = false;
}

void BackgroundWork::joinEnded() {
    for (auto it = runs_.begin(); it != runs_.end();)
        if (*it->ended) {
            it->thread.join();
            it = runs_.erase(it);
        } else {
            ++it;
        }
}

void BackgroundWork::start(Job job) {
    cancel();
    joinEnded();
    const int generation = generation_;
    busy_ = true;
    Run run{std::thread(), std::make_shared<std::atomic<bool>>(false),
            std::make_shared<std::atomic<bool>>(false)};
    auto cancelFlag = run.cancel;
    auto ended = run.ended;
    run.thread = std::thread([this, job = std::move(job), cancelFlag, ended, generation] {
        int reported = -1;
        const Progress progress = [&](int percent) {
            if (percent == reported || *cancelFlag)
                return;
            reported = percent;
            QMetaObject::invokeMethod(
                this,
                [this, generation, percent] {
                    if (generation == generation_ && onProgress)
                        onProgress(percent);
                },
                Qt::QueuedConnection);
        };
        Finish finish = job(*cancelFlag, progress);
        *ended = true;
        QMetaObject::invokeMethod(
            this,
            [this, generation, finish = std::move(finish)] {
                joinEnded();
                if (generation != generation_)
                    return;
                busy_ = false;
                if (finish)
                    finish();
                if (onProgress)
                    onProgress(-1);
            },
            Qt::QueuedConnection);
    });
    runs_.push_back(std::move(run));
}

} // namespace lendora::analysis
