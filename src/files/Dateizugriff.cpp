#include "files/Dateizugriff.h"

#include "files/Fehler.h"
#include "files/Windows1252.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <random>

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

std::string TemporaererName(const std::string& ziel, std::uint32_t zufall)
{
    const std::filesystem::path p(ziel);
    static constexpr char Hex[] = "0123456789abcdef";
    std::string kennung;
    for (int i = 0; i < 8; ++i) {
        kennung += Hex[(zufall >> (4 * i)) & 0xF];
    }
    return (p.parent_path() / ("." + p.filename().string() + "." + kennung + ".zbtmp")).string();
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

bool TAtomareDatei::Oeffnen(const std::string& pfad)
{
    Verwerfen();
    if (pfad.empty()) {
        return false;
    }
    const std::string ziel = EchtesZiel(pfad);
    struct stat info {};
    const bool vorhanden = ::stat(ziel.c_str(), &info) == 0;
    if (vorhanden && (S_ISDIR(info.st_mode) || ::access(ziel.c_str(), W_OK) != 0)) {
        return false;
    }
    // O_EXCL with a random name instead of mkstemp, so that a new file gets the usual
    // permissions under the umask.
    std::random_device quelle;
    for (int versuch = 0; versuch < 100; ++versuch) {
        const std::string name = TemporaererName(ziel, quelle());
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (vorhanden) {
                ::fchmod(fd, info.st_mode & 07777); // best effort: the save still works
            }
            Deskriptor = fd;
            Ziel = ziel;
            Temporaer = name;
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

void TAtomareDatei::Schreiben(std::string_view bytes)
{
    if (Deskriptor < 0) {
        throw EInOutError("Die Datei ist nicht zum Schreiben geöffnet.");
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
    if (Deskriptor < 0) {
        throw EInOutError("Die Datei ist nicht zum Schreiben geöffnet.");
    }
    if (::fsync(Deskriptor) != 0) {
        Melden("geschrieben", Ziel, errno);
    }
    const int fd = Deskriptor;
    Deskriptor = -1;
    if (::close(fd) != 0) {
        Melden("geschrieben", Ziel, errno);
    }
    if (::rename(Temporaer.c_str(), Ziel.c_str()) != 0) {
        Melden("gespeichert", Ziel, errno);
    }
    Temporaer.clear();
    // Make the rename itself durable; a failure here no longer endangers either file.
    const std::string verzeichnis = std::filesystem::path(Ziel).parent_path().string();
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
}
