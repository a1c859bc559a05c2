#include "cli/batch.h"

#include <exception>
#include <new>

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

}  // namespace

int DefaultJobCount() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : static_cast<int>(cores);
}

OrderedPool::OrderedPool(int workers, Emit emit) : emit_(std::move(emit)) {
  if (workers <= 1) return;
  window_ = kWindowPerWorker * static_cast<std::size_t>(workers);
  slots_.resize(window_);
  threads_.reserve(static_cast<std::size_t>(workers));
  for (int i = 0; i < workers; ++i) threads_.emplace_back([this] { Work(); });
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
    workReady_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (queue_.empty()) return;  // stopping with nothing left
    auto [sequence, job] = std::move(queue_.front());
    queue_.pop_front();
    lock.unlock();
    JobResult result = RunGuarded(job);
    lock.lock();
    Slot& slot = slots_[sequence % window_];
    slot.result = std::move(result);
    slot.done = true;
    if (sequence == emitted_) resultReady_.notify_one();
  }
}

void OrderedPool::EmitReady(std::unique_lock<std::mutex>& lock) {
  while (emitted_ < submitted_ && slots_[emitted_ % window_].done) {
    Slot& slot = slots_[emitted_ % window_];
    JobResult result = std::move(slot.result);
    slot = Slot{};
    ++emitted_;
    lock.unlock();
    emit_(result);
    lock.lock();
  }
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
