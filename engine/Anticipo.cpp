#include "Anticipo.h"

namespace Crypta {

Anticipo::Anticipo() : thread_([this] { Ciclo(); }) {}

Anticipo::~Anticipo() {
  {
    std::unique_lock<std::mutex> lock(mutex_);
    cambio_.wait(lock, [this] { return !occupato_; });
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
    occupato_ = true;
  }
  cambio_.notify_all();
}

void Anticipo::Attendi() {
  std::unique_lock<std::mutex> lock(mutex_);
  cambio_.wait(lock, [this] { return !occupato_; });
  if (errore_) std::rethrow_exception(std::exchange(errore_, nullptr));
}

void Anticipo::Ciclo() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    cambio_.wait(lock, [this] { return occupato_ || fine_; });
    if (fine_ && !occupato_) return;
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
    occupato_ = false;
    cambio_.notify_all();
  }
}

}  // namespace Crypta
