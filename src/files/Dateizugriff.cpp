// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Dateizugriff.h"

#include "files/Fehler.h"
#include "files/Windows1252.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::string Fehlerursache(int fehlernummer)
{
    switch (fehlernummer) {
    case KeineGewoehnlicheDatei:
        return "keine gewöhnliche Datei";
    case ENOSPC:
        return "kein Speicherplatz mehr auf dem Datenträger";
    case EDQUOT:
        return "Speicherkontingent erschöpft";
    case EFBIG:
        return "Datei zu groß";
    case EACCES:
    case EPERM:
        return "Zugriff verweigert";
    case EROFS:
        return "Datenträger ist schreibgeschützt";
    case EIO:
        return "Ein-/Ausgabefehler des Geräts";
    case EISDIR:
        return "ist ein Verzeichnis";
    case ENOENT:
        return "Datei oder Verzeichnis nicht gefunden";
    case ENOTDIR:
        return "ein Teil des Pfades ist kein Verzeichnis";
    case ENAMETOOLONG:
        return "Dateiname zu lang";
    case ELOOP:
        return "zu viele symbolische Verknüpfungen";
    case EBADF:
        return "nicht geöffnet";
    case ENXIO:
        return "niemand liest am anderen Ende, oder das Gerät fehlt";
    default:
        return "Systemfehler " + std::to_string(fehlernummer);
    }
}

namespace {

[[noreturn]] void Melden(const char* was, const std::string& pfad, int fehlernummer)
{
    throw EInOutError("Die Datei „" + Utf8Maskiert(pfad) + "“ konnte nicht " + was + " werden ("
                      + Fehlerursache(fehlernummer) + ").");
}

[[noreturn]] void ZuGross(const std::string& pfad)
{
    throw EInOutError("Die Datei „" + Utf8Maskiert(pfad) + "“ ist zu groß für eine Arbeitsblattdatei (mehr als "
                      + std::to_string(GroessteDateigroesse / (1024 * 1024)) + " MB).");
}

// The target a save really replaces: a symbolic link is followed, so that the link stays and
// the file it points to is replaced.
std::string EchtesZiel(const std::string& pfad)
{
    std::error_code fehler;
    if (std::filesystem::is_symlink(pfad, fehler)) {
        const auto echt = std::filesystem::weakly_canonical(pfad, fehler);
        if (!fehler) {
            return echt.string();
        }
    }
    return pfad;
}

// The temporary file's name: ".", the target's name, ".", eight random hex digits, ".zbtmp".
// A long target name is shortened (at a character's start, should it be UTF-8) so that the
// temporary name stays within the file system's limit for a name, as the target does.
std::string TemporaererName(const std::string& ziel, std::uint32_t zufall)
{
    const std::filesystem::path p(ziel);
    const std::string verzeichnis = p.parent_path().string();
    const long grenze = ::pathconf(verzeichnis.empty() ? "." : verzeichnis.c_str(), _PC_NAME_MAX);
    static constexpr char Hex[] = "0123456789abcdef";
    std::string kennung = ".";
    for (int i = 0; i < 8; ++i) {
        kennung += Hex[(zufall >> (4 * i)) & 0xF];
    }
    kennung += ".zbtmp";
    std::string stamm = p.filename().string();
    const auto platz = static_cast<std::size_t>(
        std::max(1L, (grenze > 0 ? grenze : long{NAME_MAX}) - 1 - static_cast<long>(kennung.size())));
    if (stamm.size() > platz) {
        std::size_t laenge = platz;
        while (laenge > 0 && (static_cast<unsigned char>(stamm[laenge]) & 0xC0) == 0x80) {
            --laenge;
        }
        stamm.resize(laenge);
    }
    return (p.parent_path() / ("." + stamm + kennung)).string();
}

// Creates a new temporary file beside ziel and names it in name; returns its descriptor, or
// -1 with errno set. O_EXCL with a random name instead of mkstemp, so that a new file gets
// the usual permissions under the umask.
int TemporaereDateiAnlegen(const std::string& ziel, std::string& name)
{
    std::random_device quelle;
    for (int versuch = 0; versuch < 100; ++versuch) {
        name = TemporaererName(ziel, quelle());
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// The temporary files a signal removes. A signal handler may neither allocate nor lock, so
// the names live in a fixed table of static storage, each place claimed and released with an
// atomic state. A save beyond the table's places still works; only a signal would leave its
// temporary file.
enum : int { Frei = 0, Belegt = 1, Gueltig = 2 };
struct TAnmeldeplatz {
    std::atomic<int> Zustand{Frei};
    std::array<char, PATH_MAX> Pfad{};
};
std::array<TAnmeldeplatz, 16> Angemeldet;
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the states");

int Anmelden(const std::string& pfad)
{
    if (pfad.size() >= PATH_MAX) {
        return -1;
    }
    for (std::size_t i = 0; i < Angemeldet.size(); ++i) {
        int frei = Frei;
        if (Angemeldet[i].Zustand.compare_exchange_strong(frei, Belegt)) {
            std::memcpy(Angemeldet[i].Pfad.data(), pfad.c_str(), pfad.size() + 1);
            Angemeldet[i].Zustand.store(Gueltig);
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Abmelden(int& platz) noexcept
{
    if (platz >= 0) {
        Angemeldet[static_cast<std::size_t>(platz)].Zustand.store(Frei);
        platz = -1;
    }
}

// Runs with the other signals of the set blocked, and with the default action back in place
// (SA_RESETHAND): the signal raised again ends the program as it would have without us, once
// the handler returns.
extern "C" void TemporaereDateienEntfernen(int signal)
{
    const int fehlernummer = errno;
    for (TAnmeldeplatz& platz : Angemeldet) {
        if (platz.Zustand.load() == Gueltig) {
            ::unlink(platz.Pfad.data());
        }
    }
    ::raise(signal);
    errno = fehlernummer;
}

} // namespace

int DateiGanzLesen(const std::string& pfad, std::string& inhalt)
{
    if (pfad.empty()) {
        return ENOENT;
    }
    // Opened without blocking, so that a FIFO without a writer is refused below instead of
    // waiting for one forever; for a regular file the flag makes no difference.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return errno;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int fehlernummer = errno;
        ::close(fd);
        return fehlernummer;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return S_ISDIR(info.st_mode) ? EISDIR : KeineGewoehnlicheDatei;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > GroessteDateigroesse) {
        ::close(fd);
        ZuGross(pfad);
    }
    std::string gelesen;
    gelesen.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, 65536> puffer{};
    for (;;) {
        const ssize_t n = ::read(fd, puffer.data(), puffer.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int fehlernummer = errno;
            ::close(fd);
            Melden("gelesen", pfad, fehlernummer);
        }
        if (n == 0) {
            break;
        }
        // The file may grow while it is read.
        if (gelesen.size() + static_cast<std::size_t>(n) > GroessteDateigroesse) {
            ::close(fd);
            ZuGross(pfad);
        }
        gelesen.append(puffer.data(), static_cast<std::size_t>(n));
    }
    ::close(fd);
    inhalt = std::move(gelesen);
    return 0;
}

TAtomareDatei::~TAtomareDatei()
{
    Verwerfen();
}

bool TAtomareDatei::Oeffnen(const std::string& pfad, TZielart art)
{
    Verwerfen();
    const auto fehlschlag = [this](int fehlernummer) {
        FehlernummerFeld = fehlernummer;
        return false;
    };
    FehlernummerFeld = 0;
    RechteUebernehmen = false;
    if (pfad.empty()) {
        return fehlschlag(ENOENT);
    }
    struct stat verweis {};
    const bool istVerweis = ::lstat(pfad.c_str(), &verweis) == 0 && S_ISLNK(verweis.st_mode);
    std::string ziel = pfad;
    struct stat info {};
    if (::stat(pfad.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            return fehlschlag(EISDIR);
        }
        if (!S_ISREG(info.st_mode) && art == TZielart::VomBenutzer) {
            // Non-blocking only so that a FIFO nobody reads from is refused (ENXIO) instead of
            // waiting for a reader forever; the writes themselves block as usual.
            const int fd = ::open(pfad.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
            if (fd < 0) {
                return fehlschlag(errno);
            }
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
            Deskriptor = fd;
            Direkt = true;
            Ziel = pfad;
            return true;
        }
        const bool folgen = art == TZielart::VomBenutzer
            || (S_ISREG(info.st_mode) && verweis.st_uid == ::geteuid() && info.st_uid == ::geteuid());
        if (S_ISREG(info.st_mode) && (!istVerweis || folgen)) {
            ziel = istVerweis ? EchtesZiel(pfad) : pfad;
            if (::access(ziel.c_str(), W_OK) != 0) {
                return fehlschlag(errno);
            }
            RechteUebernehmen = true;
            Rechte = info.st_mode & 07777;
        }
        // Else the program's own file is a link it must not follow, or no regular file: the
        // name itself is replaced.
    } else if (errno == ENOENT) {
        // A link to a file not yet there makes that file, as the shell's "cat > ziel" does.
        if (istVerweis && art == TZielart::VomBenutzer) {
            ziel = EchtesZiel(pfad);
        }
    } else {
        return fehlschlag(errno); // a link loop, a name too long, a folder that cannot be searched
    }
    // The directory must take the new file before a long run starts, not after it.
    std::string probe;
    const int fd = TemporaereDateiAnlegen(ziel, probe);
    if (fd < 0) {
        return fehlschlag(errno);
    }
    ::close(fd);
    ::unlink(probe.c_str());
    Ziel = ziel;
    return true;
}

void TAtomareDatei::TemporaerAnlegen()
{
    std::string name;
    const int fd = TemporaereDateiAnlegen(Ziel, name);
    if (fd < 0) {
        Melden("geschrieben", Ziel, errno);
    }
    Deskriptor = fd;
    Temporaer = name;
    Anmeldung = Anmelden(Temporaer);
    if (RechteUebernehmen) {
        ::fchmod(fd, static_cast<mode_t>(Rechte)); // best effort: the save still works
    }
}

void TAtomareDatei::Schreiben(std::string_view bytes)
{
    if (Ziel.empty()) {
        throw EInOutError("Die Datei ist nicht zum Schreiben geöffnet.");
    }
    if (Deskriptor < 0) {
        TemporaerAnlegen();
    }
    while (!bytes.empty()) {
        const ssize_t n = ::write(Deskriptor, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            Melden("geschrieben", Ziel, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

void TAtomareDatei::Abschliessen()
{
    if (Ziel.empty()) {
        throw EInOutError("Die Datei ist nicht zum Schreiben geöffnet.");
    }
    if (Deskriptor < 0) {
        TemporaerAnlegen();
    }
    // Whatever happens now, this save is done; a failure leaves the rest to Verwerfen.
    const std::string ziel = std::exchange(Ziel, std::string());
    const int fd = std::exchange(Deskriptor, -1);
    if (std::exchange(Direkt, false)) {
        if (::close(fd) != 0) {
            Melden("geschrieben", ziel, errno);
        }
        return;
    }
    if (::fsync(fd) != 0) {
        const int fehlernummer = errno;
        ::close(fd);
        Melden("geschrieben", ziel, fehlernummer);
    }
    if (::close(fd) != 0) {
        Melden("geschrieben", ziel, errno);
    }
    if (::rename(Temporaer.c_str(), ziel.c_str()) != 0) {
        Melden("gespeichert", ziel, errno);
    }
    Temporaer.clear();
    Abmelden(Anmeldung);
    // Make the rename itself durable; a failure here no longer endangers either file.
    const std::string verzeichnis = std::filesystem::path(ziel).parent_path().string();
    const int vfd = ::open(verzeichnis.empty() ? "." : verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (vfd >= 0) {
        ::fsync(vfd);
        ::close(vfd);
    }
}

void TAtomareDatei::Verwerfen() noexcept
{
    if (Deskriptor >= 0) {
        ::close(Deskriptor);
        Deskriptor = -1;
    }
    if (!Temporaer.empty()) {
        ::unlink(Temporaer.c_str());
        Temporaer.clear();
    }
    Abmelden(Anmeldung);
    Direkt = false;
    Ziel.clear();
}

void TemporaereDateienBeiSignalEntfernen()
{
    struct sigaction aktion {};
    aktion.sa_handler = TemporaereDateienEntfernen;
    aktion.sa_flags = SA_RESETHAND;
    sigemptyset(&aktion.sa_mask);
    for (const int signal : {SIGHUP, SIGINT, SIGTERM}) {
        sigaddset(&aktion.sa_mask, signal);
    }
    for (const int signal : {SIGHUP, SIGINT, SIGTERM}) {
        struct sigaction bisher {};
        if (::sigaction(signal, nullptr, &bisher) == 0 && (bisher.sa_flags & SA_SIGINFO) == 0
            && bisher.sa_handler == SIG_DFL) {
            ::sigaction(signal, &aktion, nullptr);
        }
    }
}
