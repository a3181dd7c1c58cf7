#include "Anticipo.h"

#include <chrono>

namespace Crypta {

namespace {

// Blocks follow each other within tens of microseconds: waiting that long
// without sleeping saves the cost of putting a thread to sleep and waking it
// again, which on a virtual machine is larger than the wait itself.
template <typename Pronto>
void Attesa(Pronto pronto) {
  const auto limite = std::chrono::steady_clock::now() + std::chrono::microseconds(200);
  while (!pronto()) {
    for (int i = 0; i < 64 && !pronto(); ++i) std::this_thread::yield();
    if (std::chrono::steady_clock::now() > limite) return;
  }
}

}  // namespace

Anticipo::Anticipo() : thread_([this] { Ciclo(); }) {}

Anticipo::~Anticipo() {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    cambio_.wait(lock, [this] { return !occupato_.load(); });
    fine_ = true;
  }
  cambio_.notify_all();
  thread_.join();
}

void Anticipo::Avvia(std::function<void()> lavoro) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    lavoro_ = std::move(lavoro);
    errore_ = nullptr;
    occupato_.store(true);
  }
  cambio_.notify_all();
}

void Anticipo::Attendi() {
  Attesa([this] { return !occupato_.load(); });
  std::unique_lock<std::mutex> lock(mutex_);
  cambio_.wait(lock, [this] { return !occupato_.load(); });
  if (errore_) std::rethrow_exception(std::exchange(errore_, nullptr));
}

void Anticipo::Ciclo() {
  for (;;) {
    Attesa([this] { return occupato_.load(); });
    std::unique_lock<std::mutex> lock(mutex_);
    cambio_.wait(lock, [this] { return occupato_.load() || fine_; });
    if (fine_ && !occupato_.load()) return;
    const std::function<void()> lavoro = std::move(lavoro_);
    lock.unlock();
    std::exception_ptr errore;
    try {
      lavoro();
    } catch (...) {
      errore = std::current_exception();
    }
    lock.lock();
    errore_ = errore;
    occupato_.store(false);
    lock.unlock();
    cambio_.notify_all();
  }
}

}  // namespace Crypta
