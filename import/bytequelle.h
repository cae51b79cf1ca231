#pragma once
// Buffered byte-by-byte reading of a permanence file or of bytes in memory. Only one buffer of
// data is ever held, whatever the size of the file.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quentor {

class Bytequelle {
  public:
    static constexpr int ende = -1;

    virtual ~Bytequelle() = default;
    Bytequelle(const Bytequelle&) = delete;
    Bytequelle& operator=(const Bytequelle&) = delete;

    // The next byte (0..255) without taking it, or `ende`.
    int naechstes() {
        if (pos_ == daten_.size() && !nachfuellen()) {
            return ende;
        }
        return static_cast<unsigned char>(daten_[pos_]);
    }
    int nimm() {
        const int c = naechstes();
        if (c != ende) {
            ++pos_;
        }
        return c;
    }
    bool amEnde() { return naechstes() == ende; }
    // Takes `praefix` if the data continue with it; otherwise takes nothing.
    bool nimmFallsFolgt(std::string_view praefix);
    // True once reading failed; the data then end where the failure happened.
    bool fehler() const { return fehler_; }

  protected:
    Bytequelle() = default;
    // Reads up to `anzahl` bytes into `ziel`; 0 at the end of the data or on an error.
    virtual std::size_t lies(char* ziel, std::size_t anzahl) = 0;
    void meldeFehler() { fehler_ = true; }

  private:
    bool nachfuellen();
    bool sichere(std::size_t anzahl);

    std::vector<char> daten_;
    std::size_t pos_ = 0;
    bool fehler_ = false;
    bool erschoepft_ = false;
};

// Bytes in memory (tests, fuzzing).
class Speicherquelle : public Bytequelle {
  public:
    explicit Speicherquelle(std::string_view daten) : rest_(daten) {}

  protected:
    std::size_t lies(char* ziel, std::size_t anzahl) override;

  private:
    std::string_view rest_;
};

// A regular file opened for reading. oeffne() returns nothing for a path that is missing,
// unreadable or not a regular file (folder, pipe, device): such a file is never read, so
// reading never blocks.
class Dateiquelle : public Bytequelle {
  public:
    static std::unique_ptr<Dateiquelle> oeffne(const std::string& pfad);
    ~Dateiquelle() override;

  protected:
    std::size_t lies(char* ziel, std::size_t anzahl) override;

  private:
    explicit Dateiquelle(int deskriptor) : deskriptor_(deskriptor) {}
    int deskriptor_;
};

} // namespace quentor
