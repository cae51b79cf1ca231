#pragma once
// What a screen reader is told while a whole rotation runs. Its spins show on the screen one by
// one, but the display fields and the grid tell their change once, when the rotation has ended,
// and the message follows them. So a rotation sends a screen reader a few dozen events instead of
// some 300, however fast it takes them in (Orca 43 drops what waits behind more than 100).

#include <QString>

#include <vector>

class QObject;
class QWidget;

namespace quentor {

class Zugangspause {
  public:
    // From now on, while an assistive technology listens, holds back every accessibility event
    // of `gehalten` and its children (a grid's cells); the messages go to `fenster`.
    Zugangspause(QWidget& fenster, const std::vector<QWidget*>& gehalten);
    // Tells each held object whose text (or name) and each child whose name differs from when
    // the pause began, once, and then the message given last.
    ~Zugangspause();
    Zugangspause(const Zugangspause&) = delete;
    Zugangspause& operator=(const Zugangspause&) = delete;

    // The message to say when the pause ends; a later one replaces it.
    void sageAmEnde(const QString& text) { ansage_ = text; }

    // True when events of `objekt` are held back now.
    static bool haelt(const QObject* objekt);

  private:
    // What a held object read when the pause began.
    struct Stand {
        QWidget* objekt;
        QString text;
        std::vector<QString> kinder;
    };
    static Stand standVon(QWidget* objekt);
    static void meldeAenderung(const Stand& vorher);

    QWidget& fenster_;
    std::vector<Stand> gehalten_;
    QString ansage_;
};

} // namespace quentor
