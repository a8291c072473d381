#include "toolkit/controls/thread.h"

#include <condition_variable>
#include <deque>

#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/backend.h"

namespace toolkit {

namespace {

struct QueuedCall {
  ThreadMethod method;
  // Set for Synchronize: the caller waits until done.
  bool* done = nullptr;
  std::exception_ptr* error = nullptr;
};

struct MainQueue {
  std::mutex mutex;
  std::condition_variable finished;
  std::deque<QueuedCall> calls;
  std::thread::id mainThread = std::this_thread::get_id();
};

MainQueue& TheQueue() {
  static MainQueue* queue = new MainQueue();
  return *queue;
}

}  // namespace

void SetMainThread() { TheQueue().mainThread = std::this_thread::get_id(); }

bool IsMainThread() { return TheQueue().mainThread == std::this_thread::get_id(); }

Thread::Thread() { TheQueue(); }

Thread::~Thread() {
  if (thread_.joinable()) {
    Terminate();
    thread_.join();
  }
}

void Thread::Start() {
  if (thread_.joinable()) throw ThreadError(u"Thread already started");
  try {
    thread_ = std::thread([this] {
      try {
        entered_ = true;
        Execute();
      } catch (...) {
        // An error ends the thread, never the process.
      }
      finished_ = true;
      CurrentBackend().WakeMainThread();
    });
  } catch (const std::system_error&) {
    throw ThreadError(messages::kThreadCreateError);
  }
  // Until the call has reached Execute a destructor could pull the object away under it.
  while (!entered_) std::this_thread::yield();
}

void Thread::WaitFor() {
  if (!thread_.joinable()) return;
  if (IsMainThread()) {
    // The thread may be waiting in Synchronize: keep serving the queue.
    while (!finished_) {
      CheckSynchronize();
      std::this_thread::yield();
    }
  }
  thread_.join();
}

void Thread::Synchronize(const ThreadMethod& method) {
  if (IsMainThread()) {
    method();
    return;
  }
  MainQueue& queue = TheQueue();
  bool done = false;
  std::exception_ptr error;
  {
    std::unique_lock lock(queue.mutex);
    queue.calls.push_back({method, &done, &error});
  }
  CurrentBackend().WakeMainThread();
  std::unique_lock lock(queue.mutex);
  queue.finished.wait(lock, [&] { return done; });
  if (error) std::rethrow_exception(error);
}

void Thread::Queue(const ThreadMethod& method) {
  MainQueue& queue = TheQueue();
  {
    std::unique_lock lock(queue.mutex);
    queue.calls.push_back({method, nullptr, nullptr});
  }
  CurrentBackend().WakeMainThread();
}

void Thread::RemoveQueuedEvents(const void* object) {
  MainQueue& queue = TheQueue();
  std::unique_lock lock(queue.mutex);
  std::erase_if(queue.calls, [&](const QueuedCall& call) { return call.method.Data() == object && !call.done; });
}

bool CheckSynchronize() {
  MainQueue& queue = TheQueue();
  if (!IsMainThread()) return false;
  bool ran = false;
  for (;;) {
    QueuedCall call;
    {
      std::unique_lock lock(queue.mutex);
      if (queue.calls.empty()) break;
      call = queue.calls.front();
      queue.calls.pop_front();
    }
    ran = true;
    std::exception_ptr error;
    try {
      call.method();
    } catch (...) {
      error = std::current_exception();
    }
    if (call.done) {
      std::unique_lock lock(queue.mutex);
      *call.error = error;
      *call.done = true;
      queue.finished.notify_all();
    }
  }
  return ran;
}

}  // namespace toolkit
