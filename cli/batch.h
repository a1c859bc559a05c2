// Charts of a batch computed on a pool of worker threads and printed in the
// order they were given. At most a window of jobs is in flight (queued,
// running or finished but not yet printed), and the finished results that
// wait for an earlier one hold at most a budget of bytes (workers start no
// new job past it, save the one printed next), so memory stays bounded
// however long the batch and however large each result.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orvane {

// What one job prints: its standard output and standard error text, and
// the exit status it asks for (0, or the program's error statuses).
struct JobResult {
  std::string out;
  std::string err;
  int status = 0;
};

class OrderedPool {
 public:
  using Job = std::function<JobResult()>;
  using Emit = std::function<void(JobResult&)>;

  // `workers` threads (1: every job runs at once on the calling thread);
  // `emit` is called on the calling thread with each result, in the order
  // the jobs were submitted. Where a process or memory limit stops the
  // threads short of `workers`, half of those that started run (so that the
  // charts keep room to compute): Workers() says how many, and with one or
  // none the jobs run on the calling thread.
  OrderedPool(int workers, Emit emit, std::size_t heldBytesBudget = kHeldBytesBudget);
  ~OrderedPool();
  OrderedPool(const OrderedPool&) = delete;
  OrderedPool& operator=(const OrderedPool&) = delete;

  // Queues a job; waits while the window is full, printing what is done.
  void Submit(Job job);
  // Waits for every job and prints the rest.
  void Finish();

  // Worker threads running (0: the jobs run on the calling thread).
  int Workers() const { return static_cast<int>(threads_.size()); }

  // Jobs in flight per worker.
  static constexpr std::size_t kWindowPerWorker = 8;
  // Bytes of finished results waiting to be printed past which no new job
  // starts (except the one printed next).
  static constexpr std::size_t kHeldBytesBudget = std::size_t{32} << 20;

 private:
  struct Slot {
    bool done = false;
    JobResult result;
  };
  void Work();
  // Starts up to `count` more worker threads; the number running after.
  std::size_t StartWorkers(int count);
  // Stops and joins every worker (none may hold a job).
  void StopWorkers();
  // Emits the finished results at the head, in order; call with the lock held
  // (it is released while emitting).
  void EmitReady(std::unique_lock<std::mutex>& lock);

  Emit emit_;
  std::size_t window_ = 1;
  std::size_t budget_ = kHeldBytesBudget;
  std::size_t heldBytes_ = 0;  // finished results not yet emitted
  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable workReady_;  // a job was queued, or stopping
  std::condition_variable resultReady_;
  std::deque<std::pair<std::size_t, Job>> queue_;  // sequence number, job
  std::vector<Slot> slots_;                         // by sequence number modulo the window
  std::size_t submitted_ = 0;
  std::size_t emitted_ = 0;
  bool stopping_ = false;
};

// Worker threads of a batch when --jobs is not given: one per core.
int DefaultJobCount();

}  // namespace orvane
