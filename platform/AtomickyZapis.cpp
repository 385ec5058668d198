// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Trivex developers
// Saving a whole file at once: a temporary file with a short random name beside the
// target, written, synced and closed with every step checked, then renamed over it.
#include "platform/AtomickyZapis.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

TSimulaceZapisu simulace = TSimulaceZapisu::zadne;

TChybaZapisu Chyba(TKrokZapisu krok, int cislo) {
  return TChybaZapisu{krok, std::strerror(cislo)};
}

// Links are followed to the file they name, so that saving to a link replaces the
// linked file and keeps the link; a chain that does not end is left to fail later.
fs::path SkutecnyCil(fs::path cil) {
  std::error_code chyba;
  for (int krok = 0; krok < 40 && fs::is_symlink(fs::symlink_status(cil, chyba)); ++krok) {
    const fs::path odkaz = fs::read_symlink(cil, chyba);
    if (chyba) break;
    cil = odkaz.is_absolute() ? odkaz : cil.parent_path() / odkaz;
  }
  return cil;
}

// The temporary name is short and random, so that it fits beside a target whose own name
// is as long as the file system allows, and stale temporaries of a crashed run never
// block a save.
std::string NahodneJmeno() {
  static std::mt19937 nahoda{std::random_device{}()};
  static const char znaky[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string jmeno = ".trivex-";
  for (int i = 0; i < 10; ++i) jmeno += znaky[nahoda() % (sizeof znaky - 1)];
  return jmeno + ".tmp";
}

#ifdef _WIN32
int Otevri(const fs::path& p) {
  return _wopen(p.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int Zapis(int f, const char* data, unsigned pocet) { return _write(f, data, pocet); }
int Synchronizuj(int f) { return _commit(f); }
int Zavri(int f) { return _close(f); }
#else
int Otevri(const fs::path& p) {
  return ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
long Zapis(int f, const char* data, unsigned pocet) { return long(::write(f, data, pocet)); }
int Synchronizuj(int f) { return ::fsync(f); }
int Zavri(int f) { return ::close(f); }
#endif

// Writes all of data; a short write is retried once and then counts as a full disk.
bool ZapisVse(int f, const std::string& data) {
  std::size_t zbyva = data.size();
  if (simulace == TSimulaceZapisu::kratkyZapis) zbyva = data.size() / 2;
  const char* p = data.data();
  while (zbyva > 0) {
    const auto zapsano = Zapis(f, p, unsigned(std::min<std::size_t>(zbyva, 1u << 20)));
    if (zapsano < 0 && errno == EINTR) continue;
    if (zapsano <= 0) {
      if (zapsano == 0) errno = ENOSPC;
      return false;
    }
    p += zapsano;
    zbyva -= std::size_t(zapsano);
  }
  if (simulace == TSimulaceZapisu::kratkyZapis) {
    errno = ENOSPC;
    return false;
  }
  return true;
}

// A replaced file keeps who may read and write it (and, for a save by the superuser,
// whose it is).
void PrevezmiVlastnosti(int f, const fs::path& docasny, const fs::path& cil) {
  std::error_code chyba;
  const fs::file_status stary = fs::status(cil, chyba);
  if (chyba || !fs::is_regular_file(stary)) return;
  fs::permissions(docasny, stary.permissions(), chyba);
#ifndef _WIN32
  struct stat udaje;
  if (::stat(cil.c_str(), &udaje) == 0 && (udaje.st_uid != ::geteuid() || udaje.st_gid != ::getegid()))
    if (::fchown(f, udaje.st_uid, udaje.st_gid) != 0) errno = 0;  // not ours to give: keep the new owner
#else
  (void)f;
#endif
}

// The rename is only durable once the folder's entry is on the disk too. File systems
// that cannot sync a folder say so with EINVAL; only a real failure counts.
bool SynchronizujSlozku(const fs::path& slozka) {
#ifdef _WIN32
  (void)slozka;
  return true;
#else
  const int f = ::open(slozka.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (f < 0) return true;
  const bool ok = ::fsync(f) == 0 || errno == EINVAL || errno == EROFS;
  const int cislo = errno;
  ::close(f);
  errno = cislo;
  return ok;
#endif
}

bool JenProCteni(const fs::path& cil) {
  std::error_code chyba;
  const fs::file_status stav = fs::status(cil, chyba);
  if (chyba || !fs::exists(stav)) return false;
  const fs::perms zapis = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((stav.permissions() & zapis) == fs::perms::none) return true;
#ifndef _WIN32
  return fs::is_regular_file(stav) && ::access(cil.c_str(), W_OK) != 0;
#else
  return false;
#endif
}

}  // namespace

std::optional<TChybaZapisu> ZapisAtomicky(const fs::path& zadany, const std::string& data) {
  const fs::path cil = SkutecnyCil(zadany);
  // Read-only is the user's word that the file stays; a rename would get round it.
  if (JenProCteni(cil)) return Chyba(TKrokZapisu::nahrazeni, EACCES);
  const fs::path slozka = cil.parent_path().empty() ? fs::path(".") : cil.parent_path();

  fs::path docasny;
  int f = -1;
  for (int pokus = 0; pokus < 100 && f < 0; ++pokus) {
    docasny = slozka / NahodneJmeno();
    f = Otevri(docasny);
    if (f < 0 && errno != EEXIST) break;
  }
  if (f < 0) return Chyba(TKrokZapisu::vytvoreni, errno);

  const auto selhani = [&docasny](int cislo) {
    std::error_code chyba;
    fs::remove(docasny, chyba);
    return Chyba(TKrokZapisu::zapis, cislo);
  };
  if (!ZapisVse(f, data)) {
    const int cislo = errno;
    Zavri(f);
    return selhani(cislo);
  }
  PrevezmiVlastnosti(f, docasny, cil);
  if (Synchronizuj(f) != 0 || simulace == TSimulaceZapisu::synchronizace) {
    const int cislo = simulace == TSimulaceZapisu::synchronizace ? EIO : errno;
    Zavri(f);
    return selhani(cislo);
  }
  if (Zavri(f) != 0) return selhani(errno);

  std::error_code chyba;
  if (simulace == TSimulaceZapisu::prejmenovani) chyba = std::make_error_code(std::errc::io_error);
  else fs::rename(docasny, cil, chyba);
  if (chyba) {
    std::error_code uklid;
    fs::remove(docasny, uklid);
    return TChybaZapisu{TKrokZapisu::nahrazeni, chyba.message()};
  }
  if (!SynchronizujSlozku(slozka)) return Chyba(TKrokZapisu::nahrazeni, errno);
  return std::nullopt;
}

std::string PopisChybyZapisu(const std::string& jmeno, const TChybaZapisu& chyba) {
  switch (chyba.krok) {
    case TKrokZapisu::vytvoreni: return "soubor " + jmeno + " nelze vytvorit";
    case TKrokZapisu::zapis: return "zapis do souboru " + jmeno + " selhal";
    case TKrokZapisu::nahrazeni: break;
  }
  return "soubor " + jmeno + " nelze nahradit novym obsahem";
}

void SimulujChybuZapisu(TSimulaceZapisu s) {
  simulace = s;
}
