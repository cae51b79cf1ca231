#include "hilfen.h"
#include "plattform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quentor::test {
namespace {

namespace fs = std::filesystem;

const fs::path daten = fs::path(QUENTOR_TESTDATEN) / "permanenzen";

class Laden : public ::testing::Test {
  protected:
    void SetUp() override {
        ordner_ = fs::temp_directory_path() /
                  ("quentor_laden_" + std::to_string(prozessnummer()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(ordner_);
    }
    void TearDown() override { fs::remove_all(ordner_); }

    fs::path schreibe(const std::string& name, const std::string& inhalt) {
        fs::path pfad = ordner_ / name;
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return pfad;
    }
    void lade(const fs::path& pfad) { t.lade(pfad.string()); }
    void abbrechen() { t.ladeAbgebrochen(); }
    std::vector<std::string> warnungstexte() const {
        std::vector<std::string> texte;
        for (const auto& e : t.gezeigteKaesten()) {
            if (e.art == Kastenart::warnung) {
                EXPECT_EQ(e.titel, " Fehler! ");
                texte.push_back(e.text);
            }
        }
        return texte;
    }
    void erwarteAbgelehnt(const fs::path& pfad, const std::string& text) {
        EXPECT_EQ(warnungstexte(), std::vector<std::string>{text}) << pfad;
        EXPECT_EQ(t.s().dateimodus, 1) << pfad;
        EXPECT_EQ(t.s().dateianzahl(), 0) << pfad;
        EXPECT_TRUE(t.s().permanenz.empty()) << pfad;
        EXPECT_EQ(t.feld(Feld::Textanzahl), "") << pfad;
        EXPECT_EQ(t.feld(Feld::Label7), pfad.string());
        EXPECT_EQ(t.wurf(), WurfErgebnis::dateiErschoepft) << "spins stay blocked";
    }

    Testtisch t;
    fs::path ordner_;
};

TEST_F(Laden, MusterdateienMitErwartetemErgebnis) {
    int geprueft = 0;
    for (const auto& eintrag : fs::directory_iterator(daten)) {
        if (eintrag.path().extension() != ".txt") {
            continue;
        }
        Testtisch frisch;
        frisch.lade(eintrag.path().string());

        std::ifstream erwartetDatei(fs::path(eintrag.path()).replace_extension(".erwartet"));
        std::string erwartet((std::istreambuf_iterator<char>(erwartetDatei)), {});
        const std::string name = eintrag.path().filename().string();
        EXPECT_EQ(frisch.s().dateimodus, 1) << name;
        if (erwartet.starts_with("ungueltig")) {
            ASSERT_EQ(frisch.gezeigteKaesten().size(), 2U) << name;
            EXPECT_EQ(frisch.gezeigteKaesten()[1].text,
                      "Diese Datei hat ein ungültiges Datenformat! ");
            EXPECT_EQ(frisch.s().dateianzahl(), 0) << name;
        } else {
            std::istringstream werte(erwartet);
            std::vector<double> soll;
            for (double w = 0; werte >> w;) {
                soll.push_back(w);
            }
            EXPECT_EQ(frisch.s().permanenz, soll) << name;
            EXPECT_EQ(frisch.s().dateianzahl(), static_cast<int>(soll.size())) << name;
            EXPECT_EQ(frisch.feld(Feld::Textanzahl), std::to_string(soll.size())) << name;
            EXPECT_EQ(frisch.gezeigteKaesten().size(), 1U) << name << ": only the dialog";
        }
        ++geprueft;
    }
    EXPECT_GE(geprueft, 10);
}

TEST_F(Laden, DialogMitTitelUndFilter) {
    lade(schreibe("p.txt", "Spielbank\na\nb\nc\n1\n"));
    ASSERT_FALSE(t.gezeigteKaesten().empty());
    EXPECT_EQ(t.gezeigteKaesten()[0].art, Kastenart::dateidialog);
    EXPECT_EQ(t.gezeigteKaesten()[0].titel, "Datei Öffnen");
    EXPECT_EQ(t.gezeigteKaesten()[0].text, "Dateien (*.txt)|*.txt");
}

TEST_F(Laden, HoechstensDreitausendfuenfhundertneunundneunzigWerte) {
    std::string inhalt = "Spielbank\na\nb\nc\n";
    for (int i = 0; i < 4000; ++i) {
        inhalt += std::to_string(i % 37) + "\n";
    }
    lade(schreibe("viel.txt", inhalt));
    EXPECT_EQ(t.s().dateianzahl(), 3599);
    EXPECT_EQ(t.feld(Feld::Textanzahl), "3599");
    EXPECT_EQ(t.s().permanenz.back(), 3598 % 37);
}

TEST_F(Laden, ReplayBisZurErschoepfung) {
    lade(schreibe("p.txt", "Spielbank\na\nb\nc\n5\n17\n8\n"));
    EXPECT_EQ(t.wurf(), WurfErgebnis::aufgenommen);
    EXPECT_EQ(t.wurf(), WurfErgebnis::aufgenommen);
    EXPECT_EQ(t.wurf(), WurfErgebnis::aufgenommen);
    EXPECT_EQ(t.s().aktzahl, 8);
    EXPECT_EQ(t.wurf(), WurfErgebnis::dateiErschoepft);
    EXPECT_EQ(t.s().wurfzaehler, 3);
}

TEST_F(Laden, LadenNimmtDenWertAnDerPositionDesWurfzaehlers) {
    t.wirf({1, 2});
    lade(schreibe("p.txt", "Spielbank\na\nb\nc\n5\n17\n8\n"));
    t.wurf();
    EXPECT_EQ(t.s().aktzahl, 8);
}

TEST_F(Laden, AbbruchNachEinemLadenLaedtDieselbeDateiErneut) {
    const fs::path pfad = schreibe("p.txt", "Spielbank\na\nb\nc\n5\n17\n8\n");
    lade(pfad);
    t.wurf();
    abbrechen();
    EXPECT_EQ(t.s().dateimodus, 1);
    EXPECT_EQ(t.s().dateianzahl(), 3);
    t.wurf();
    EXPECT_EQ(t.s().aktzahl, 17) << "the replay goes on where it was";
}

// A value refused at position 2, corrected in the file, which is loaded again without "Neu": the
// next spin takes the corrected value as spin 2, after the spin before it.
TEST_F(Laden, BerichtigteDateiWiederGeladenSpieltAnDerAbgelehntenStelleWeiter) {
    const fs::path pfad = schreibe("tisch7.txt", "Spielbank\na\nb\nc\n12\n40\n7\n");
    lade(pfad);
    ASSERT_EQ(t.wurf(), WurfErgebnis::aufgenommen);
    ASSERT_EQ(t.wurf(), WurfErgebnis::permanenzUngueltig);
    EXPECT_EQ(warnungstexte(),
              std::vector<std::string>{"Die Permanenz enthält an Position 2 keine gültige Zahl! "});
    schreibe("tisch7.txt", "Spielbank\na\nb\nc\n12\n30\n7\n");
    lade(pfad);
    EXPECT_EQ(t.wurf(), WurfErgebnis::aufgenommen);
    EXPECT_EQ(t.s().aktzahl, 30);
    EXPECT_EQ(t.feld(Feld::laufnummer), "2");
    EXPECT_EQ(t.feld(Feld::Label3), "1 / 2");
    EXPECT_EQ(t.farbe(12), farbegekommen) << "spin 1 stays in the session";
}

TEST_F(Laden, AbbruchOhneFruehereDatei) {
    t.zeigeSchon(Feld::Textanzahl, "alt");
    abbrechen();
    EXPECT_EQ(t.s().dateimodus, 0);
    EXPECT_EQ(t.feld(Feld::Label7), "");
    EXPECT_EQ(t.feld(Feld::Textanzahl), "alt");
    EXPECT_EQ(t.wirf(4), WurfErgebnis::aufgenommen);
}

TEST_F(Laden, DateiEndetInDenErstenVierItems) {
    for (const char* inhalt : {"Spielbank", "Spielbank\n", "Spielbank,a,b", "Spielbank\na\nb\nc"}) {
        Testtisch frisch;
        frisch.lade(schreibe("kurz.txt", inhalt).string());
        EXPECT_EQ(frisch.s().dateimodus, 1) << inhalt;
        EXPECT_EQ(frisch.s().dateianzahl(), 0) << inhalt;
        EXPECT_EQ(frisch.feld(Feld::Textanzahl), "0") << inhalt;
        EXPECT_EQ(frisch.gezeigteKaesten().size(), 1U) << inhalt;
    }
}

TEST_F(Laden, FormatfehlerNachErfolgreichemLaden) {
    lade(schreibe("gut.txt", "Spielbank\na\nb\nc\n5\n"));
    t.vergiss();
    const fs::path schlecht = schreibe("schlecht.txt", "Spielhalle\na\nb\nc\n5\n");
    lade(schlecht);
    erwarteAbgelehnt(schlecht, "Diese Datei hat ein ungültiges Datenformat! ");
}

#ifndef _WIN32
TEST_F(Laden, NichtLesbareDateien) {
    const fs::path fehlt = ordner_ / "fehlt.txt";
    const fs::path fifo = ordner_ / "rohr.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& pfad :
         {fehlt, ordner_, fifo, fs::path("/dev/zero"), fs::path("/dev/null")}) {
        t.vergiss();
        t.zeigeSchon(Feld::Textanzahl, "3");
        lade(pfad);
        erwarteAbgelehnt(pfad, "Die Datei kann nicht gelesen werden! ");
    }
}

// As root every file is readable, so the load then runs in a child process that has given up
// root for the user "nobody"; the child reports through its exit status.
TEST_F(Laden, OhneLeserecht) {
    const fs::path pfad = schreibe("gesperrt.txt", "Spielbank\na\nb\nc\n5\n");
    fs::permissions(pfad, fs::perms::none);
    fs::permissions(ordner_, fs::perms::owner_all | fs::perms::others_exec);
    if (::geteuid() != 0) {
        lade(pfad);
        erwarteAbgelehnt(pfad, "Die Datei kann nicht gelesen werden! ");
        return;
    }
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        const uid_t nobody = 65534;
        if (::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
            ::_exit(3);
        }
        lade(pfad);
        const bool richtig =
            warnungstexte() == std::vector<std::string>{"Die Datei kann nicht gelesen werden! "} &&
            t.s().dateimodus == 1 && t.s().dateianzahl() == 0 &&
            t.feld(Feld::Label7) == pfad.string();
        ::_exit(richtig ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0)
        << "1: wrong answer to the locked file, 3: could not drop root";
}
#else
TEST_F(Laden, NichtLesbareDateien) {
    const std::wstring rohrname = LR"(\\.\pipe\quentor_laden_)" + std::to_wstring(prozessnummer());
    const HANDLE rohr = CreateNamedPipeW(rohrname.c_str(), PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE, 1,
                                         0, 0, 0, nullptr);
    ASSERT_NE(rohr, INVALID_HANDLE_VALUE);
    const fs::path rohrpfad = R"(\\.\pipe\quentor_laden_)" + std::to_string(prozessnummer());
    for (const fs::path& pfad : {ordner_ / "fehlt.txt", ordner_, rohrpfad, fs::path("NUL"),
                                 fs::path("CON"), fs::path("COM1"), ordner_ / "NUL.txt"}) {
        t.vergiss();
        t.zeigeSchon(Feld::Textanzahl, "3");
        lade(pfad);
        erwarteAbgelehnt(pfad, "Die Datei kann nicht gelesen werden! ");
    }
    CloseHandle(rohr);
}

// Another program holds the file open without share rights.
TEST_F(Laden, GesperrteDatei) {
    const fs::path pfad = schreibe("gesperrt.txt", "Spielbank\na\nb\nc\n5\n");
    const HANDLE sperre =
        CreateFileW(pfad.wstring().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(sperre, INVALID_HANDLE_VALUE);
    lade(pfad);
    erwarteAbgelehnt(pfad, "Die Datei kann nicht gelesen werden! ");
    CloseHandle(sperre);
    t.vergiss();
    lade(pfad);
    EXPECT_EQ(t.s().dateianzahl(), 1) << "readable once the other program let go";
}
#endif

// The file is gone by the time it is read: removed while the dialog is shown.
TEST_F(Laden, DateiVerschwindetZwischenDialogUndLesen) {
    const fs::path pfad = schreibe("weg.txt", "Spielbank\na\nb\nc\n5\n");
    t.beobachte([&pfad](const Kasten& e) {
        if (e.art == Kastenart::dateidialog) {
            fs::remove(pfad);
        }
    });
    t.lade(pfad.string());
    erwarteAbgelehnt(pfad, "Die Datei kann nicht gelesen werden! ");
}

// The core asks the reader for at most 3599 values, and takes what it hands over only when it read
// the file.
TEST_F(Laden, DerKernErfragtHoechstens3599WerteUndNimmtNurGelesenes) {
    t.vorgebenDatei(Permanenzdaten{Leseergebnis::gelesen, std::vector<double>(4000, 7.0)});
    t.lade("viel.txt");
    EXPECT_EQ(t.s().dateianzahl(), 3599);
    EXPECT_EQ(t.s().permanenz.size(), 3599U);
    EXPECT_EQ(t.feld(Feld::Textanzahl), "3599");

    for (const Leseergebnis abgelehnt : {Leseergebnis::formatUngueltig, Leseergebnis::lesefehler}) {
        t.vergiss();
        t.vorgebenDatei(Permanenzdaten{abgelehnt, {1.0, 2.0}});
        t.lade("schlecht.txt");
        erwarteAbgelehnt("schlecht.txt", abgelehnt == Leseergebnis::lesefehler
                                             ? "Die Datei kann nicht gelesen werden! "
                                             : "Diese Datei hat ein ungültiges Datenformat! ");
    }
}

TEST_F(Laden, PfadMitNulZeichenWirdNichtGekuerzt) {
    schreibe("a", "Spielbank\na\nb\nc\n5\n");
    const std::string pfad = (ordner_ / "a").string() + std::string(1, '\0') + "b";
    t.lade(pfad);
    EXPECT_EQ(warnungstexte(), std::vector<std::string>{"Die Datei kann nicht gelesen werden! "});
    EXPECT_EQ(t.s().dateianzahl(), 0);
}

} // namespace
} // namespace quentor::test
