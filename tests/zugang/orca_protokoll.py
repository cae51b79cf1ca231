"""Reads what Orca said in the rounds of orca_test.sh from Orca's debug log: after "Wurf" the
spin's message, after "Rotat" the rotation's, and how many events Orca dropped meanwhile because
too many waited. Prints one line a round, the speech of each condition's last round as the
transcript, and the count per condition; fails unless every round heard both messages.

Usage: orca_protokoll.py ORCA_LOG ROUNDS
ROUNDS holds one line a round: its condition and the times (HH:MM:SS.micro, the clock of Orca's
log) of its start, the "Wurf" key, the "Rotat" key and its end."""
import collections
import re
import sys

GESPROCHEN = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)' ?\{")
FLUT = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - EVENT MANAGER: Ignoring event type due to deluge")
# The messages after the first spin and after the rotation that follows it (spins 2 to 38).
WURF = re.compile(r"\d+, Rotation 1 / 1, frei 36, belegt 1\.")
ROTAT = re.compile(r"\d+, Rotation 2 / 1, frei (\d+), belegt (\d+)\.")
ZAHLEN = 37

Runde = collections.namedtuple("Runde", "bedingung start wurf rotat ende")


def sekunden(zeit):
    stunden, minuten, rest = zeit.split(":")
    return int(stunden) * 3600 + int(minuten) * 60 + float(rest)


def runden_lesen(datei):
    runden = []
    with open(datei, encoding="utf-8") as zeilen:
        for zeile in zeilen:
            bedingung, *zeiten = zeile.split()
            runden.append(Runde(bedingung, *(sekunden(z) for z in zeiten)))
    return runden


def protokoll_lesen(datei):
    """What Orca said, and when it dropped an event for the flood, each as (time, text)."""
    gesagt, verworfen = [], []
    with open(datei, encoding="utf-8", errors="replace") as zeilen:
        for zeile in zeilen:
            if treffer := GESPROCHEN.match(zeile):
                gesagt.append((sekunden(treffer.group(1)), treffer.group(2)))
            elif treffer := FLUT.match(zeile):
                verworfen.append(sekunden(treffer.group(1)))
    return gesagt, verworfen


def erste_ansage(gesagt, von, bis, muster):
    """The first speech between the two times that is a whole message of the pattern."""
    for zeit, text in gesagt:
        if von <= zeit < bis and (treffer := muster.fullmatch(text)):
            if muster is not ROTAT or int(treffer.group(1)) + int(treffer.group(2)) == ZAHLEN:
                return zeit, text
    return None


def runde_pruefen(nummer, runde, gesagt, verworfen):
    """One line on the round; true when both messages were said."""
    wurf = erste_ansage(gesagt, runde.wurf, runde.rotat, WURF)
    rotat = erste_ansage(gesagt, runde.rotat, runde.ende, ROTAT)
    flut = sum(runde.start <= zeit < runde.ende for zeit in verworfen)
    teile = [f"Runde {nummer} ({runde.bedingung})"]
    for name, ansage, taste in (("Wurf", wurf, runde.wurf), ("Rotat", rotat, runde.rotat)):
        teile.append(f"{name} gesagt nach {ansage[0] - taste:.2f} s: {ansage[1]!r}" if ansage
                     else f"{name} NICHT gesagt")
    print("; ".join(teile) + f"; wegen Flut verworfen: {flut}")
    return bool(wurf and rotat)


def mitschrift(runde, gesagt):
    """The speech of one round, with its time after the round's start."""
    print(f"Mitschrift der letzten Runde ({runde.bedingung}):")
    for zeit, text in gesagt:
        if runde.start <= zeit < runde.ende:
            print(f"  {zeit - runde.start:6.2f} s  {text}")


def main(protokoll, rundendatei):
    runden = runden_lesen(rundendatei)
    gesagt, verworfen = protokoll_lesen(protokoll)
    gehoert = collections.Counter()
    for nummer, runde in enumerate(runden, 1):
        gehoert[runde.bedingung] += runde_pruefen(nummer, runde, gesagt, verworfen)
    for bedingung in dict.fromkeys(r.bedingung for r in runden):
        mitschrift([r for r in runden if r.bedingung == bedingung][-1], gesagt)
    bilanz = {b: (gehoert[b], sum(r.bedingung == b for r in runden)) for b in gehoert}
    print("Gehört: " + ", ".join(f"{b} {n} von {von}" for b, (n, von) in bilanz.items()))
    return 0 if all(n == von for n, von in bilanz.values()) else 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
