#include "Esegui.h"

#include <fcntl.h>
#include <pty.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "Supporto.h"

extern char** environ;

namespace prova {

namespace {

// The variables that choose the language: a test names those it wants, and
// none comes from the environment the tests run in, so that a run is in
// Italian unless the test asks otherwise.
bool DiLingua(const std::string& nome) {
  return nome == "LANGUAGE" || nome == "LC_ALL" || nome == "LC_MESSAGES" || nome == "LANG";
}

std::vector<std::string> Ambiente(const std::map<std::string, std::string>& aggiunte) {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string voce = *e;
    const std::string nome = voce.substr(0, voce.find('='));
    if (!aggiunte.count(nome) && !DiLingua(nome)) env.push_back(voce);
  }
  for (const auto& [nome, valore] : aggiunte) env.push_back(nome + "=" + valore);
  return env;
}

// The program and its arguments, behind the emulator that runs it when it
// was built for another processor.
std::vector<std::string> Comando(const std::vector<std::string>& argomenti) {
  std::vector<std::string> argv{TAVELIN_EMULATORE};
  argv.push_back(TAVELIN_CLI);
  argv.insert(argv.end(), argomenti.begin(), argomenti.end());
  return argv;
}

std::vector<char*> Puntatori(std::vector<std::string>& testi) {
  std::vector<char*> p;
  for (std::string& t : testi) p.push_back(t.data());
  p.push_back(nullptr);
  return p;
}

void Esito(int status, Risultato& r) {
  if (WIFEXITED(status)) r.stato = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) r.segnale = WTERMSIG(status);
}

std::string Testo(const std::string& path) {
  const Byte b = Leggi(path);
  return std::string(b.begin(), b.end());
}

}  // namespace

Risultato Cli(const std::vector<std::string>& argomenti, const Opzioni& o) {
  const Cartella dir;
  Scrivi(dir / "in", Byte(o.ingresso.begin(), o.ingresso.end()));
  std::vector<std::string> argv = Comando(argomenti);
  std::vector<std::string> env = Ambiente(o.ambiente);
  std::vector<char*> pArgv = Puntatori(argv), pEnv = Puntatori(env);

  int tubo[2] = {-1, -1};
  if (o.uscitaChiusa && ::pipe(tubo) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t azioni;
  posix_spawn_file_actions_init(&azioni);
  posix_spawn_file_actions_addopen(&azioni, 0, (dir / "in").c_str(), O_RDONLY, 0);
  if (o.uscitaChiusa)
    posix_spawn_file_actions_adddup2(&azioni, tubo[1], 1);
  else
    posix_spawn_file_actions_addopen(&azioni, 1, (dir / "out").c_str(), O_WRONLY | O_CREAT, 0600);
  posix_spawn_file_actions_addopen(&azioni, 2, (dir / "err").c_str(), O_WRONLY | O_CREAT, 0600);
  if (o.uscitaChiusa) ::close(tubo[0]);  // nobody will ever read

  pid_t pid;
  const int errore = posix_spawn(&pid, pArgv[0], &azioni, nullptr, pArgv.data(), pEnv.data());
  posix_spawn_file_actions_destroy(&azioni);
  if (o.uscitaChiusa) ::close(tubo[1]);
  if (errore != 0) throw std::runtime_error("posix_spawn " + argv[0]);
  int status = 0;
  struct rusage uso {};
  while (::wait4(pid, &status, 0, &uso) < 0 && errno == EINTR) {
  }
  Risultato r;
  Esito(status, r);
  r.memoriaKiB = uso.ru_maxrss;
  if (!o.uscitaChiusa) r.out = Testo(dir / "out");
  r.err = Testo(dir / "err");
  return r;
}

Processo::Processo(const std::vector<std::string>& argomenti,
                   const std::map<std::string, std::string>& ambiente, bool ignoraHangup) {
  std::string modello = (std::filesystem::temp_directory_path() / "tavelin-p-XXXXXX").string();
  if (!::mkdtemp(modello.data())) throw std::runtime_error("mkdtemp");
  cartella_ = modello;
  std::vector<std::string> argv = Comando(argomenti);
  std::vector<std::string> env = Ambiente(ambiente);
  std::vector<char*> pArgv = Puntatori(argv), pEnv = Puntatori(env);
  int tubo[2];
  if (::pipe2(tubo, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  scrivi_ = tubo[1];
  leggi_ = tubo[0];
  posix_spawn_file_actions_t azioni;
  posix_spawn_file_actions_init(&azioni);
  posix_spawn_file_actions_adddup2(&azioni, tubo[0], 0);
  posix_spawn_file_actions_addopen(&azioni, 1, (cartella_ + "/out").c_str(), O_WRONLY | O_CREAT,
                                   0600);
  posix_spawn_file_actions_addopen(&azioni, 2, (cartella_ + "/err").c_str(), O_WRONLY | O_CREAT,
                                   0600);
  // An ignored signal stays ignored across exec, as with nohup.
  struct sigaction prima {
  }, ignora{};
  ignora.sa_handler = SIG_IGN;
  if (ignoraHangup) ::sigaction(SIGHUP, &ignora, &prima);
  pid_t pid;
  const int errore = posix_spawn(&pid, pArgv[0], &azioni, nullptr, pArgv.data(), pEnv.data());
  if (ignoraHangup) ::sigaction(SIGHUP, &prima, nullptr);
  posix_spawn_file_actions_destroy(&azioni);
  if (errore != 0) throw std::runtime_error("posix_spawn " + argv[0]);
  pid_ = pid;
}

Processo::~Processo() {
  if (pid_ > 0) {
    if (status_ < 0) ::kill(pid_, SIGKILL);
    Fine();
  }
  std::error_code ec;
  std::filesystem::remove_all(cartella_, ec);
}

bool Processo::Dai(const std::string& dati) {
  for (size_t fatti = 0; fatti < dati.size();) {
    const ssize_t n = ::write(scrivi_, dati.data() + fatti, dati.size() - fatti);
    if (n < 0 && errno != EINTR) throw std::runtime_error("write");
    if (n > 0) fatti += size_t(n);
  }
  // Not a timing: a condition the program's own read makes true, or its end.
  for (int resto = 1; resto > 0;) {
    if (::ioctl(leggi_, FIONREAD, &resto) != 0) throw std::runtime_error("FIONREAD");
    if (resto > 0 && ::waitpid(pid_, &status_, WNOHANG) == pid_) return false;
    ::sched_yield();
  }
  return true;
}

void Processo::Segnale(int s) {
  ::kill(pid_, s);
}

Risultato Processo::FineDaSolo() {
  while (status_ < 0 && ::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
  }
  return Fine();
}

Risultato Processo::Fine() {
  if (scrivi_ >= 0) ::close(scrivi_);
  if (leggi_ >= 0) ::close(leggi_);
  scrivi_ = leggi_ = -1;
  while (status_ < 0 && ::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
  }
  pid_ = -1;
  Risultato r;
  Esito(status_, r);
  r.out = Testo(cartella_ + "/out");
  r.err = Testo(cartella_ + "/err");
  return r;
}

bool TerminaleDisponibile() {
  return true;
}

Risultato CliSuTerminale(const std::vector<std::string>& argomenti,
                         const std::vector<std::pair<std::string, std::string>>& risposte) {
  std::vector<std::string> argv = Comando(argomenti);
  std::vector<char*> pArgv = Puntatori(argv);
  std::vector<std::string> env = Ambiente({});
  std::vector<char*> pEnv = Puntatori(env);
  int terminale = -1;
  const pid_t pid = ::forkpty(&terminale, nullptr, nullptr, nullptr);
  if (pid < 0) throw std::runtime_error("forkpty");
  if (pid == 0) {
    ::execve(pArgv[0], pArgv.data(), pEnv.data());
    ::_exit(127);
  }
  Risultato r;
  char blocco[4096];
  size_t risposta = 0, visto = 0;  // the next answer, and how far the output was searched
  for (;;) {
    const ssize_t n = ::read(terminale, blocco, sizeof blocco);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // EIO once the program has gone
    r.out.append(blocco, size_t(n));
    if (risposta < risposte.size()) {
      const size_t dove = r.out.find(risposte[risposta].first, visto);
      if (dove != std::string::npos) {
        const std::string& testo = risposte[risposta].second;
        if (::write(terminale, testo.data(), testo.size()) != ssize_t(testo.size()))
          throw std::runtime_error("write to terminal");
        visto = dove + risposte[risposta].first.size();
        ++risposta;
      }
    }
  }
  ::close(terminale);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  Esito(status, r);
  return r;
}

}  // namespace prova
