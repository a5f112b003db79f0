#include "assets/picture_loader.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <thread>

namespace quillmere {
namespace {

using namespace std::chrono_literals;

// A preparation that holds each path until the test lets it go, so the order in which pictures
// finish is the test's to choose.
class HeldPictures {
public:
    PreparedPictureFile prepare(const std::string& path, std::stop_token stop) {
        std::unique_lock lock(m_mutex);
        m_started.insert(path);
        m_changed.notify_all();
        m_changed.wait(lock, stop, [&] { return m_released.contains(path); });
        if (path.starts_with("bad"))
            return {std::nullopt, userPictureLoadingError(path)};
        PreparedTexture texture;
        texture.channels = 3;
        texture.levels.push_back({1, 1, {1, 2, 3}});
        return {std::move(texture), {}};
    }

    void release(const std::string& path) {
        const std::lock_guard lock(m_mutex);
        m_released.insert(path);
        m_changed.notify_all();
    }

    bool waitStarted(const std::string& path) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 20s, [&] { return m_started.contains(path); });
    }

private:
    std::mutex m_mutex;
    std::condition_variable_any m_changed;
    std::set<std::string> m_started;
    std::set<std::string> m_released;
};

PictureId id(int n) {
    return static_cast<PictureId>(n);
}

// Collects results until count have come or a generous deadline passes.
std::map<PictureId, PictureLoadResult> collect(PictureLoader& loader, std::size_t count,
                                               std::vector<PictureId>* order = nullptr) {
    std::map<PictureId, PictureLoadResult> results;
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (results.size() < count && std::chrono::steady_clock::now() < deadline) {
        for (PictureLoadResult& result : loader.takeFinished()) {
            if (order != nullptr)
                order->push_back(result.id);
            results[result.id] = std::move(result);
        }
        std::this_thread::sleep_for(2ms);
    }
    return results;
}

TEST(PictureLoader, ResultsComeAsPicturesFinishWhateverTheOrderTheyWereAskedIn) {
    HeldPictures held;
    PictureLoader loader(
        [&](const std::string& path, std::stop_token stop) { return held.prepare(path, stop); }, 3);
    loader.request(id(1), "first.jpg");
    loader.request(id(2), "bad.png");
    loader.request(id(3), "third.jpg");
    ASSERT_TRUE(held.waitStarted("third.jpg"));
    held.release("third.jpg");
    held.release("bad.png");
    std::vector<PictureId> order;
    auto results = collect(loader, 2, &order);
    held.release("first.jpg");
    results.merge(collect(loader, 1, &order));

    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(order.back(), id(1));
    EXPECT_TRUE(results[id(1)].texture && results[id(3)].texture);
    EXPECT_FALSE(results[id(2)].texture);
    EXPECT_EQ(results[id(2)].error, "(bad.png)image loading error.");
    EXPECT_TRUE(loader.idle());
}

TEST(PictureLoader, ACancelledPictureNeverComesBackWhetherQueuedRunningOrDone) {
    HeldPictures held;
    PictureLoader loader(
        [&](const std::string& path, std::stop_token stop) { return held.prepare(path, stop); }, 1);
    loader.request(id(1), "running.jpg");
    loader.request(id(2), "queued.jpg");
    loader.request(id(3), "kept.jpg");
    ASSERT_TRUE(held.waitStarted("running.jpg"));
    loader.cancel(id(1));
    loader.cancel(id(2));
    for (const char* path : {"running.jpg", "queued.jpg", "kept.jpg"})
        held.release(path);
    const auto results = collect(loader, 1);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results.contains(id(3)));

    loader.request(id(4), "done.jpg");
    held.release("done.jpg");
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!loader.idle() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(2ms);
    loader.cancel(id(4));
    EXPECT_TRUE(loader.takeFinished().empty()) << "a finished result is dropped too";
}

TEST(PictureLoader, EndingWhilePicturesPrepareStopsThemAndReturnsPromptly) {
    HeldPictures held;
    const auto start = std::chrono::steady_clock::now();
    {
        PictureLoader loader(
            [&](const std::string& path, std::stop_token stop) { return held.prepare(path, stop); }, 2);
        loader.request(id(1), "a.jpg");
        loader.request(id(2), "b.jpg");
        loader.request(id(3), "c.jpg");
        ASSERT_TRUE(held.waitStarted("a.jpg") && held.waitStarted("b.jpg"));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, PictureLoader::ExitGrace)
        << "the workers heard the stop and were joined, not waited out";
}

TEST(PictureLoader, AStalledJobFailsAndANewWorkerServesThePicturesBehindIt) {
    HeldPictures held;
    PictureLoader loader(
        [&](const std::string& path, std::stop_token stop) { return held.prepare(path, stop); }, 1, 50ms);
    loader.request(id(1), "stalled.jpg");
    ASSERT_TRUE(held.waitStarted("stalled.jpg"));
    loader.request(id(2), "next.jpg");
    held.release("next.jpg");
    auto results = collect(loader, 2);
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[id(1)].error, "(stalled.jpg)image loading error.");
    EXPECT_TRUE(results[id(2)].texture);
    held.release("stalled.jpg");
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!loader.idle() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(2ms);
    EXPECT_TRUE(loader.takeFinished().empty()) << "the stalled job's late result is dropped";
}

TEST(PictureLoader, AJobThatNeverEndsIsLeftBehindAtExit) {
    auto blocked = std::make_shared<std::atomic<bool>>(true);
    auto started = std::make_shared<std::atomic<bool>>(false);
    const auto start = std::chrono::steady_clock::now();
    {
        PictureLoader loader(
            [blocked, started](const std::string&, std::stop_token) {
                // Like an open() on a stalled mount: deaf to the stop token.
                started->store(true);
                while (blocked->load())
                    std::this_thread::sleep_for(1ms);
                return PreparedPictureFile{std::nullopt, "never"};
            },
            1);
        loader.request(id(1), "stalled.jpg");
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (!started->load() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(1ms);
        ASSERT_TRUE(started->load());
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, PictureLoader::ExitGrace + 10s)
        << "exit waited for it";
    // The loader has returned though its worker still runs; the worker then ends on its own share of
    // the state (the sanitizer build sees it touch nothing freed).
    blocked->store(false);
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (blocked.use_count() > 1 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    EXPECT_EQ(blocked.use_count(), 1) << "the worker left behind never ended";
}

} // namespace
} // namespace quillmere
