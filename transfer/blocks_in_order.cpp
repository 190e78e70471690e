#include "transfer/blocks_in_order.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace {

// Blocks the second thread may have rendered before the caller takes them.
constexpr size_t MostWaiting = 2;

struct Rendered {
    RenderedRecords records;
    std::exception_ptr failure;
};

// The odd blocks, rendered on the second thread and handed over in order.
class SecondThread {
public:
    SecondThread(int count, const BlockRenderer& render)
        : thread_([this, count, &render] { run(count, render); })
    {
    }
    // Stops the thread after the block it is rendering, if the caller stops before the last block.
    ~SecondThread()
    {
        {
            const std::lock_guard lock(mutex_);
            stop_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    SecondThread(const SecondThread&) = delete;
    SecondThread& operator=(const SecondThread&) = delete;

    // The next odd block, waited for; raises what rendering it raised.
    RenderedRecords next()
    {
        Rendered rendered;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return !done_.empty(); });
            rendered = std::move(done_.front());
            done_.pop_front();
        }
        changed_.notify_all();
        if (rendered.failure)
            std::rethrow_exception(rendered.failure);
        return std::move(rendered.records);
    }

private:
    void run(int count, const BlockRenderer& render)
    {
        for (int block = 1; block < count; block += 2) {
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [this] { return stop_ || done_.size() < MostWaiting; });
                if (stop_)
                    return;
            }
            Rendered rendered;
            try {
                render(block, rendered.records);
            } catch (...) {
                rendered.failure = std::current_exception();
            }
            const bool failed = bool(rendered.failure);
            {
                const std::lock_guard lock(mutex_);
                done_.push_back(std::move(rendered));
            }
            changed_.notify_all();
            if (failed)
                return;
        }
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Rendered> done_;
    bool stop_ = false;
    std::thread thread_;   // last: it starts once the rest is ready
};

void renderAllHere(int count, const BlockRenderer& here, const BlockTaker& take)
{
    for (int block = 0; block < count; ++block) {
        RenderedRecords records;
        here(block, records);
        take(records);
    }
}

} // namespace

void RenderBlocksInOrder(int count, const BlockRenderer& here, const BlockRenderer& there, const BlockTaker& take)
{
    if (count <= 1)
        return renderAllHere(count, here, take);
    std::optional<SecondThread> second;
    try {
        second.emplace(count, there);
    } catch (const std::system_error&) {
        return renderAllHere(count, here, take);   // no second thread: one core does it all
    }
    for (int block = 0; block < count; ++block) {
        if (block % 2 == 1) {
            take(second->next());
            continue;
        }
        RenderedRecords records;
        here(block, records);
        take(records);
    }
}
