#include "cli/batch.h"

#include <exception>
#include <new>
#include <system_error>

namespace orvane {

namespace {

// A job that throws prints one error line instead of ending the program.
JobResult RunGuarded(const OrderedPool::Job& job) {
  try {
    return job();
  } catch (const std::bad_alloc&) {
    return {"", "orvane-cli: out of memory\n", 2};
  } catch (const std::exception& e) {
    return {"", std::string("orvane-cli: ") + e.what() + "\n", 2};
  }
}

std::size_t Bytes(const JobResult& r) { return r.out.size() + r.err.size(); }

}  // namespace

int DefaultJobCount() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

OrderedPool::OrderedPool(int workers, Emit emit, std::size_t heldBytesBudget)
    : emit_(std::move(emit)), budget_(heldBytesBudget) {
  if (workers <= 1) return;
  threads_.reserve(static_cast<std::size_t>(workers));
  if (StartWorkers(workers) < static_cast<std::size_t>(workers)) {
    // A process or memory limit stopped the threads: those that started took
    // what the limit allows, leaving nothing for the charts. Half of them
    // run instead, so that the work has room.
    const std::size_t started = threads_.size();
    StopWorkers();
    if (started >= 4) StartWorkers(static_cast<int>(started / 2));
  }
  if (threads_.size() <= 1) {
    // One thread or none: the calling thread does the work, as for one worker.
    StopWorkers();
    return;
  }
  window_ = kWindowPerWorker * threads_.size();
  slots_.resize(window_);
}

std::size_t OrderedPool::StartWorkers(int count) {
  for (int i = 0; i < count; ++i) {
    try {
      threads_.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
      break;  // a process or memory limit
    }
  }
  return threads_.size();
}

void OrderedPool::StopWorkers() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  workReady_.notify_all();
  for (std::thread& t : threads_) t.join();
  threads_.clear();
  stopping_ = false;
}

OrderedPool::~OrderedPool() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  workReady_.notify_all();
  for (std::thread& t : threads_) t.join();
}

void OrderedPool::Work() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    // Past the budget of held bytes only the job printed next may start:
    // it is the one whose printing frees them.
    workReady_.wait(lock, [this] {
      return stopping_ || (!queue_.empty() && (heldBytes_ <= budget_ || queue_.front().first == emitted_));
    });
    if (queue_.empty()) return;  // stopping with nothing left
    auto [sequence, job] = std::move(queue_.front());
    queue_.pop_front();
    lock.unlock();
    JobResult result = RunGuarded(job);
    lock.lock();
    Slot& slot = slots_[sequence % window_];
    heldBytes_ += Bytes(result);
    slot.result = std::move(result);
    slot.done = true;
    if (sequence == emitted_) resultReady_.notify_one();
  }
}

void OrderedPool::EmitReady(std::unique_lock<std::mutex>& lock) {
  bool freed = false;
  while (emitted_ < submitted_ && slots_[emitted_ % window_].done) {
    Slot& slot = slots_[emitted_ % window_];
    JobResult result = std::move(slot.result);
    heldBytes_ -= Bytes(result);
    slot = Slot{};
    ++emitted_;
    freed = true;
    lock.unlock();
    emit_(result);
    lock.lock();
  }
  // Workers held back by the budget may start again; the job printed next
  // may start whatever the budget.
  if (freed) workReady_.notify_all();
}

void OrderedPool::Submit(Job job) {
  if (threads_.empty()) {
    JobResult result = RunGuarded(job);
    emit_(result);
    return;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  EmitReady(lock);
  while (submitted_ - emitted_ >= window_) {
    resultReady_.wait(lock, [this] { return slots_[emitted_ % window_].done; });
    EmitReady(lock);
  }
  queue_.emplace_back(submitted_++, std::move(job));
  lock.unlock();
  workReady_.notify_one();
}

void OrderedPool::Finish() {
  if (threads_.empty()) return;
  std::unique_lock<std::mutex> lock(mutex_);
  while (emitted_ < submitted_) {
    resultReady_.wait(lock, [this] { return slots_[emitted_ % window_].done; });
    EmitReady(lock);
  }
}

}  // namespace orvane
