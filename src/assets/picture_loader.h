#pragma once

#include "assets/user_picture_preparation.h"
#include "core/picture_id.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

namespace quillmere {

// A picture's texture prepared on a worker, or the message that says why it could not be.
struct PictureLoadResult {
    PictureId id = PictureId::NoPicture;
    std::optional<PreparedTexture> texture;
    std::string error; // empty when texture holds the prepared picture
};

// Reads, decodes and prepares the user's pictures on worker threads, so that a large photo, a slow
// disk or a file that blocks never holds up a frame. Requests are taken in the order they came;
// results come back in the order they finish. Nothing here touches OpenGL or the toolkit.
class PictureLoader {
public:
    // Turns a path into a prepared texture; it should give up early once its stop token is set.
    using Prepare = std::function<PreparedPictureFile(const std::string& path, std::stop_token stop)>;

    // At most the machine's cores less one, at least one.
    static int defaultWorkerCount();

    // A job still running after stallTimeout (a read from a stalled network share) is given up: its
    // picture fails with the loading message, and a new worker takes its place so the pictures behind
    // it still come.
    static constexpr std::chrono::seconds DefaultStallTimeout{20};

    PictureLoader(Prepare prepare, int workerCount = defaultWorkerCount(),
                  std::chrono::milliseconds stallTimeout = DefaultStallTimeout);
    // Drops the queue and asks running jobs to stop; a job still running after exitGrace (one stuck
    // opening a file on a stalled mount, say) is left to finish on its own and its result thrown away.
    ~PictureLoader();
    PictureLoader(const PictureLoader&) = delete;
    PictureLoader& operator=(const PictureLoader&) = delete;

    void request(PictureId id, std::string path);
    // The picture is no longer wanted: a queued job is dropped, a running one's result is discarded.
    void cancel(PictureId id);
    // Every result finished since the last call, and a failure for each job that has stalled.
    std::vector<PictureLoadResult> takeFinished();
    // Nothing queued and nothing running.
    bool idle() const;

    static constexpr std::chrono::milliseconds ExitGrace{1500};

private:
    struct State;
    static void runWorker(const std::shared_ptr<State>& state);
    void startWorker();
    void stopWorkers();

    std::shared_ptr<State> m_state;
    std::chrono::milliseconds m_stallTimeout;
    std::vector<std::jthread> m_workers;
};

} // namespace quillmere
