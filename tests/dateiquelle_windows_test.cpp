// The Windows file source: UTF-8 paths through the wide API, devices, pipes, folders and locked
// files refused without blocking, bytes read unchanged, memory bounded.

#include "bytequelle.h"
#include "dateileser.h"
#include "windowsnamen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

#include <windows.h>

#include <psapi.h> // after windows.h, which it needs

namespace quentor {
namespace {

namespace fs = std::filesystem;

std::string utf8(const fs::path& pfad) {
    const std::u8string text = pfad.u8string();
    return {text.begin(), text.end()};
}

fs::path ausUtf8(const std::string& pfad) {
    return fs::path(std::u8string(pfad.begin(), pfad.end()));
}

std::string alles(Bytequelle& quelle) {
    std::string text;
    for (int c = quelle.nimm(); c != Bytequelle::ende; c = quelle.nimm()) {
        text.push_back(static_cast<char>(c));
    }
    return text;
}

enum class Ergebnis { geoeffnet, abgelehnt, haengt };

// Opens in a thread of its own, so that a call that blocks fails the test instead of hanging it.
// A Windows thread and a wait on its handle: under Wine, with other processes at work, a detached
// std::thread and a timed wait on a future now and then hung in winpthread for good.
Ergebnis oeffneMitFrist(const std::string& pfad) {
    struct Auftrag {
        std::string pfad;
        bool geoeffnet = false;
    };
    auto auftrag = std::make_unique<Auftrag>(Auftrag{pfad});
    const HANDLE faden = CreateThread(
        nullptr, 0,
        [](void* daten) -> DWORD {
            auto* a = static_cast<Auftrag*>(daten);
            a->geoeffnet = Dateiquelle::oeffne(a->pfad) != nullptr;
            return 0;
        },
        auftrag.get(), 0, nullptr);
    if (faden == nullptr) {
        ADD_FAILURE() << "CreateThread: " << GetLastError();
        return Ergebnis::haengt;
    }
    const DWORD gewartet = WaitForSingleObject(faden, 10000);
    CloseHandle(faden);
    if (gewartet != WAIT_OBJECT_0) {
        auftrag.release(); // still in use by the blocked thread
        return Ergebnis::haengt;
    }
    return auftrag->geoeffnet ? Ergebnis::geoeffnet : Ergebnis::abgelehnt;
}

PROCESS_MEMORY_COUNTERS speicher() {
    PROCESS_MEMORY_COUNTERS zaehler{};
    GetProcessMemoryInfo(GetCurrentProcess(), &zaehler, sizeof zaehler);
    return zaehler;
}

class WindowsDatei : public ::testing::Test {
  protected:
    void SetUp() override {
        ordner_ = fs::temp_directory_path() / ausUtf8("quentor_W\xC3\xBCrfel_\xE2\x82\xAC_") +=
            std::to_string(GetCurrentProcessId());
        fs::create_directories(ordner_);
    }
    void TearDown() override { fs::remove_all(ordner_); }

    // Writes `inhalt` to `name` (UTF-8, may hold a subfolder) and returns the UTF-8 path.
    std::string schreibe(const std::string& name, const std::string& inhalt) {
        const fs::path pfad = ordner_ / ausUtf8(name);
        fs::create_directories(pfad.parent_path());
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return utf8(pfad);
    }

    fs::path ordner_;
};

TEST_F(WindowsDatei, GeraeteWerdenNichtGeoeffnet) {
    const auto abgelehnt = [](const std::string& pfad) {
        EXPECT_EQ(oeffneMitFrist(pfad), Ergebnis::abgelehnt) << pfad;
        EXPECT_TRUE(istWindowsGeraet(pfad)) << pfad << ": refused before it is opened";
    };
    for (const char* name :
         {"CON", "con", "NUL", "nul.txt", "NUL.txt", "Nul .log", "NUL:", "AUX", "PRN", "COM1",
          "com9.txt", "COM\xC2\xB9", "LPT1", "lpt9.dat", "CONIN$", "conout$", "C:NUL"}) {
        abgelehnt(name);
        abgelehnt(utf8(ordner_ / ausUtf8(name)));
    }
    for (const char* pfad : {"\\\\.\\NUL", "//./NUL", "\\\\.\\CONIN$", "\\\\.\\C:", "/\\.\\COM1",
                             "\\\\?\\GLOBALROOT\\Device\\Null", "\\\\?\\UNC\\server\\pipe\\x",
                             "\\\\server\\MAILSLOT\\x"}) {
        abgelehnt(pfad);
    }
    // Under Wine Z: is the Unix root: a character device known only by its handle's type.
    EXPECT_EQ(oeffneMitFrist("Z:\\dev\\zero"), Ergebnis::abgelehnt);
}

TEST_F(WindowsDatei, AehnlicheNamenSindGewoehnlicheDateien) {
    for (const std::string name : {"CONSOLE.txt", "nullen.txt", "COM10.txt", "LPT.txt", "auxi.txt",
                                   "xnul.txt", "com1x.txt", "pipe\\tisch.txt"}) {
        const std::string pfad = schreibe(name, name);
        for (const std::string& form : {pfad, "\\\\?\\" + pfad}) {
            const auto quelle = Dateiquelle::oeffne(form);
            ASSERT_NE(quelle, nullptr) << form;
            EXPECT_EQ(alles(*quelle), name);
        }
    }
    EXPECT_FALSE(istWindowsGeraet("\\\\?\\UNC\\server\\daten\\con\\tisch.txt"));
}

TEST_F(WindowsDatei, PfadMitUmlautEszettUndEuroUndBytesUnveraendert) {
    const std::string inhalt = "Spielbank M\xC3\xBCnchen\r\na\r\nb\r\nc\r\n5\r\n\x1A\r\n17\r\n";
    const std::string pfad =
        schreibe("\xC3\xA4\xC3\x9F\\Tisch_\xC3\xA4_\xC3\x9F_\xE2\x82\xAC.txt", inhalt);
    auto quelle = Dateiquelle::oeffne(pfad);
    ASSERT_NE(quelle, nullptr) << pfad;
    EXPECT_EQ(alles(*quelle), inhalt) << "no CRLF translation, no end at Ctrl-Z";
    quelle = Dateiquelle::oeffne(pfad);
    std::vector<double> werte;
    EXPECT_EQ(liesPermanenz(*quelle, werte), Leseergebnis::gelesen);
    EXPECT_EQ(werte, (std::vector<double>{5, 0, 17}));
}

TEST_F(WindowsDatei, GesperrteDateiWirdNichtGeoeffnet) {
    const std::string pfad = schreibe("gesperrt.txt", "Spielbank\n");
    struct Fall {
        DWORD zugriff;
        DWORD teilen;
        Ergebnis erwartet;
    };
    for (const Fall f : {Fall{GENERIC_READ, 0, Ergebnis::abgelehnt},
                         Fall{GENERIC_WRITE, FILE_SHARE_READ, Ergebnis::geoeffnet}}) {
        const HANDLE anderes = CreateFileW(ausUtf8(pfad).c_str(), f.zugriff, f.teilen, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(anderes, INVALID_HANDLE_VALUE);
        EXPECT_EQ(oeffneMitFrist(pfad), f.erwartet) << "share mode " << f.teilen;
        CloseHandle(anderes);
    }
    EXPECT_EQ(oeffneMitFrist(pfad), Ergebnis::geoeffnet) << "free again";
}

TEST_F(WindowsDatei, OrdnerUndRohreWerdenNichtGeoeffnet) {
    const std::string rohr = "quentor_" + std::to_string(GetCurrentProcessId());
    const HANDLE server =
        CreateNamedPipeW(ausUtf8("\\\\.\\pipe\\" + rohr).c_str(), PIPE_ACCESS_OUTBOUND,
                         PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    for (const std::string& pfad : {utf8(ordner_), utf8(ordner_) + "\\", "\\\\.\\pipe\\" + rohr,
                                    "//./pipe/" + rohr, "\\\\localhost\\pipe\\" + rohr}) {
        EXPECT_EQ(oeffneMitFrist(pfad), Ergebnis::abgelehnt) << pfad;
    }
    CloseHandle(server);
}

TEST_F(WindowsDatei, UngueltigesUtf8UndNulZeichen) {
    schreibe("a\xEF\xBF\xBD.txt", "Spielbank\n"); // U+FFFD, what a lax conversion makes of errors
    schreibe("a", "Spielbank\n");
    const std::string o = utf8(ordner_) + "\\";
    for (const std::string& pfad : {o + "a\xFF.txt", o + "a\xC3.txt", o + "a\xED\xA0\x80.txt",
                                    o + "a\xF4\x90\x80\x80.txt", o + std::string("a\0b", 3)}) {
        EXPECT_EQ(oeffneMitFrist(pfad), Ergebnis::abgelehnt) << pfad;
    }
}

TEST_F(WindowsDatei, ZweihundertMegabyteInEinerZeileMitBegrenztemSpeicher) {
    const std::string pfad = schreibe("gross.txt", "Spielbank\na\nb\nc\n1");
    {
        std::ofstream datei(ausUtf8(pfad), std::ios::binary | std::ios::app);
        const std::string block(std::size_t{1} << 20, '3');
        for (int i = 0; i < 200; ++i) {
            datei << block;
        }
        datei << ",5";
    }
    const std::size_t vorher = speicher().WorkingSetSize;
    const auto quelle = Dateiquelle::oeffne(pfad);
    ASSERT_NE(quelle, nullptr);
    std::vector<double> werte;
    ASSERT_EQ(liesPermanenz(*quelle, werte), Leseergebnis::gelesen);
    ASSERT_EQ(werte.size(), 2U);
    EXPECT_TRUE(std::isinf(werte[0]));
    EXPECT_EQ(werte[1], 5);
    const std::size_t spitze = speicher().PeakWorkingSetSize;
    EXPECT_LT(spitze, vorher + (std::size_t{16} << 20))
        << "peak " << spitze << ", before " << vorher;
}

} // namespace
} // namespace quentor
