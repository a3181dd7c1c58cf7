// Runs the reading of the next block in a second thread while the caller
// works on the current one, so that the bit work hides behind the I/O. Only
// file reads run there; hooks and writes stay on the caller's thread.
#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace Crypta {

class Anticipo {
 public:
  Anticipo();
  ~Anticipo();
  Anticipo(const Anticipo&) = delete;
  Anticipo& operator=(const Anticipo&) = delete;

  // Starts `lavoro` in the second thread; the previous one must have been awaited.
  void Avvia(std::function<void()> lavoro);
  // Waits for the job started last and rethrows what it threw.
  void Attendi();

 private:
  void Ciclo();
  std::mutex mutex_;
  std::condition_variable cambio_;
  std::function<void()> lavoro_;
  std::exception_ptr errore_;
  std::atomic<bool> occupato_{false};  // a job is running or waiting to run
  bool fine_ = false;
  std::thread thread_;
};

}  // namespace Crypta
