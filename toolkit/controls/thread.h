// Threads, a critical section, and the queue of calls that other threads
// hand to the main thread (run by the application's pump).
#pragma once
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include "toolkit/core/method.h"

namespace toolkit {

using ThreadMethod = Method<void()>;

class CriticalSection : public Object {
 public:
  void Enter() { mutex_.lock(); }
  void Leave() { mutex_.unlock(); }
  bool TryEnter() { return mutex_.try_lock(); }

 private:
  std::recursive_mutex mutex_;
};

class Thread : public Object {
 public:
  Thread();
  // Asks a started thread to stop and waits for it. A subclass whose Execute
  // uses its own members stops the thread in its own destructor
  // (Terminate, then WaitFor), since they are gone by the time this runs.
  ~Thread() override;
  Thread(const Thread&) = delete;
  Thread& operator=(const Thread&) = delete;

  // Returns once the new thread is inside Execute.
  void Start();
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  // Waits until Execute has returned.
  void WaitFor();
  bool Finished() const { return finished_; }

  // Runs the method on the main thread and waits for it; on the main thread
  // itself it runs at once.
  static void Synchronize(const ThreadMethod& method);
  // Hands the method to the main thread without waiting.
  static void Queue(const ThreadMethod& method);
  // Drops queued calls of an object that is going away.
  static void RemoveQueuedEvents(const void* object);

 protected:
  virtual void Execute() = 0;

 private:
  std::thread thread_;
  std::atomic<bool> terminated_{false};
  std::atomic<bool> finished_{false};
  std::atomic<bool> entered_{false};
};

// Runs the calls queued for the main thread; answers whether any ran.
bool CheckSynchronize();
// Marks the calling thread as the main thread (the first caller of the toolkit by default).
void SetMainThread();
bool IsMainThread();

}  // namespace toolkit
