#include "assets/picture_loader.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <system_error>
#include <utility>

#include <sys/resource.h>
#include <unistd.h>

namespace quillmere {

namespace {

constexpr int WorkerNiceness = 10;

} // namespace

struct PictureLoader::State {
    struct Job {
        PictureId id;
        std::string path;
    };

    explicit State(Prepare prepareFn) : prepare(std::move(prepareFn)) {}

    const Prepare prepare;
    mutable std::mutex mutex;
    std::condition_variable_any wake;
    std::condition_variable workerEnded;
    struct Running {
        std::string path;
        std::chrono::steady_clock::time_point since;
        bool stalled = false; // given up on; its worker has been replaced
    };

    std::deque<Job> queue;
    std::map<PictureId, Running> running;
    std::set<PictureId> cancelled; // running jobs whose results are not wanted
    std::vector<PictureLoadResult> finished;
    int liveWorkers = 0;
    std::stop_source stop;
};

int PictureLoader::defaultWorkerCount() {
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    return std::max(1, cores - 1);
}

PictureLoader::PictureLoader(Prepare prepare, int workerCount, std::chrono::milliseconds stallTimeout)
    : m_state(std::make_shared<State>(std::move(prepare))), m_stallTimeout(stallTimeout) {
    try {
        for (int i = 0; i < std::max(1, workerCount); ++i)
            startWorker();
    } catch (...) {
        // The workers already started wait on the state's stop, not on their own.
        stopWorkers();
        throw;
    }
}

void PictureLoader::startWorker() {
    {
        const std::lock_guard lock(m_state->mutex);
        ++m_state->liveWorkers;
    }
    try {
        m_workers.emplace_back([state = m_state] { runWorker(state); });
    } catch (...) {
        const std::lock_guard lock(m_state->mutex);
        --m_state->liveWorkers;
        throw;
    }
}

void PictureLoader::stopWorkers() {
    const std::lock_guard lock(m_state->mutex);
    m_state->queue.clear();
    m_state->stop.request_stop();
    m_state->wake.notify_all();
}

PictureLoader::~PictureLoader() {
    std::unique_lock lock(m_state->mutex);
    m_state->queue.clear();
    m_state->stop.request_stop();
    m_state->wake.notify_all();
    const bool allEnded =
        m_state->workerEnded.wait_for(lock, ExitGrace, [this] { return m_state->liveWorkers == 0; });
    lock.unlock();
    // Each worker holds its own share of the state, so one left behind never reaches freed memory.
    for (std::jthread& worker : m_workers) {
        if (allEnded)
            worker.join();
        else
            worker.detach();
    }
}

void PictureLoader::request(PictureId id, std::string path) {
    const std::lock_guard lock(m_state->mutex);
    m_state->cancelled.erase(id);
    m_state->queue.push_back({id, std::move(path)});
    m_state->wake.notify_one();
}

void PictureLoader::cancel(PictureId id) {
    const std::lock_guard lock(m_state->mutex);
    std::erase_if(m_state->queue, [id](const State::Job& job) { return job.id == id; });
    std::erase_if(m_state->finished, [id](const PictureLoadResult& result) { return result.id == id; });
    if (m_state->running.contains(id))
        m_state->cancelled.insert(id);
}

std::vector<PictureLoadResult> PictureLoader::takeFinished() {
    std::vector<PictureLoadResult> results;
    int stalled = 0;
    {
        const std::lock_guard lock(m_state->mutex);
        const auto now = std::chrono::steady_clock::now();
        for (auto& [id, job] : m_state->running) {
            if (job.stalled || now - job.since < m_stallTimeout)
                continue;
            job.stalled = true;
            ++stalled;
            if (m_state->cancelled.insert(id).second)
                m_state->finished.push_back({id, std::nullopt, userPictureLoadingError(job.path)});
        }
        results = std::exchange(m_state->finished, {});
    }
    // Best effort: without a new thread the queue waits for the stalled worker.
    try {
        for (int i = 0; i < stalled; ++i)
            startWorker();
    } catch (const std::system_error&) {
    }
    return results;
}

bool PictureLoader::idle() const {
    const std::lock_guard lock(m_state->mutex);
    return m_state->queue.empty() && m_state->running.empty();
}

void PictureLoader::runWorker(const std::shared_ptr<State>& state) {
    // Below the frame's thread and the rasteriser's, so a photo decoding never slows the tank down.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), WorkerNiceness);
    const std::stop_token stop = state->stop.get_token();
    std::unique_lock lock(state->mutex);
    while (state->wake.wait(lock, stop, [&] { return !state->queue.empty(); })) {
        State::Job job = std::move(state->queue.front());
        state->queue.pop_front();
        state->running.emplace(job.id, State::Running{job.path, std::chrono::steady_clock::now()});
        lock.unlock();
        PictureLoadResult result{job.id, std::nullopt, {}};
        try {
            PreparedPictureFile prepared = state->prepare(job.path, stop);
            result.texture = std::move(prepared.texture);
            result.error = std::move(prepared.error);
        } catch (const std::exception&) {
            result.error = userPictureLoadingError(job.path);
        }
        lock.lock();
        state->running.erase(job.id);
        if (state->cancelled.erase(job.id) == 0 && !stop.stop_requested())
            state->finished.push_back(std::move(result));
    }
    --state->liveWorkers;
    state->workerEnded.notify_all();
}

} // namespace quillmere
