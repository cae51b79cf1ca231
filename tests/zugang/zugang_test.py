"""What a screen reader gets from the real window, read through the accessibility bus alone: the
window, its buttons, the display fields by the captions that label them, and the grid with every
cell's number and state. "Wurf" and "Rotat" are pressed through their Press action, as a screen
reader does; after each press the fields, the grid and the colour on the screen under every cell
must agree, every cell whose reading changed must have said so, and exactly one message to the
screen reader must say what the window now shows, after every other event of the press. Each
object sends each kind of event once at most per press, a whole rotation too, and the events of a
press are counted: fewer than make Orca drop events.

Started by zugang_test.sh, which brings up the display, the buses and the program."""
import collections
import re
import signal
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

FENSTERTITEL = "Tool / Quentor / V.2012.1"
KNOEPFE = ("Wurf", "Rotat", "Neu", "Ende", "Datei")
PRESS_AKTIONEN = ("Press", "press", "click")
# Roles by their number: their names differ between AT-SPI versions (a button is a "push button"
# in 2.46 and a "button" in 2.56).
KNOPF, BESCHRIFTUNG, TEXT = Atspi.Role.PUSH_BUTTON, Atspi.Role.LABEL, Atspi.Role.TEXT
# The grid is a list of cells in rows and columns (a table's whole row would be read at each move).
GITTER, ZELLE, MELDUNG = Atspi.Role.LIST, Atspi.Role.TABLE_CELL, Atspi.Role.NOTIFICATION
# The display fields by the caption that labels them (label-for): key, caption, role.
FELDER = (
    ("ZAHL", "ZAHL", TEXT),
    ("LFN", "LFN", TEXT),
    ("Label3", "ROTAT", BESCHRIFTUNG),
    ("Label23", "Frei:", BESCHRIFTUNG),
    ("Label8", "Belegt:", BESCHRIFTUNG),
)
ZEILEN, SPALTEN = 13, 3
ZAHLEN = 37  # 0..36, and as many spins in a rotation with the zero
# A cell's state and the background the window paints for it: farbefrei, farbegekommen and
# farbeaktuell in core/tabelle.h.
FARBEN = {"frei": (102, 153, 102), "gekommen": (255, 187, 0), "aktuell": (0, 255, 0)}
# The presses, in order: the button and the spins it makes. The first row is the window at start.
FAELLE = (
    ("Start", None, 0),
    ("Wurf 1", "Wurf", 1),
    ("Wurf 2", "Wurf", 1),
    ("Wurf 3", "Wurf", 1),
    ("Rotat", "Rotat", ZAHLEN),
    ("Wurf nach Rotat", "Wurf", 1),
)
# The events a message to the screen reader comes as: Qt 6.8's announcement; before, a notification
# that appears; and the event of a cell whose reading changed.
ANSAGE, ERSCHIENEN, UMBENANNT = ("object:announcement", "object:state-changed:showing",
                                 "object:property-change:accessible-name")
FRIST = 20.0  # seconds for anything the program is waited for
# Orca 43 drops name, text and showing changes while more than this many events wait.
ORCAS_FLUT = 100


class Fehler(Exception):
    """The window is not what a screen reader should get."""


def zustand_lesen(name):
    """A cell's number (None for a blank cell) and state, from its name: "17, gekommen"; the zero
    while it is left out "0, ausgelassen", and its state after that when it is not free."""
    if not name:
        return None, "frei"
    treffer = re.fullmatch(r"(\d+), (?:(ausgelassen)(?:, )?)?(\w*)", name)
    if not treffer or (treffer.group(2) and treffer.group(1) != "0"):
        raise Fehler(f"Zelle mit unlesbarem Namen {name!r}")
    zustand = treffer.group(3) or "frei"
    if zustand not in FARBEN:
        raise Fehler(f"Zelle {name!r} mit unbekanntem Zustand {zustand!r}")
    return int(treffer.group(1)), zustand


def pumpen(sekunden):
    """Lets the main loop deliver the bus's events for SECONDS."""
    kontext = GLib.MainContext.default()
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        if not kontext.iteration(False):
            time.sleep(0.01)


def warte_auf(was, bedingung, frist=FRIST):
    """Waits, delivering events, until BEDINGUNG() gives something true, and returns it."""
    ende = time.monotonic() + frist
    while time.monotonic() < ende:
        try:
            ergebnis = bedingung()
        except GLib.Error:
            ergebnis = None
        if ergebnis:
            return ergebnis
        pumpen(0.05)
    raise Fehler(f"nach {frist:.0f} s nicht da: {was}")


def kinder(objekt):
    return [objekt.get_child_at_index(i) for i in range(objekt.get_child_count())]


def zustaende(objekt):
    return {Atspi.StateType(s).value_nick for s in objekt.get_state_set().get_states()}


def anwendung_finden():
    """The application "quentor" on the accessibility bus, once it has its window."""
    def gefunden():
        for anwendung in kinder(Atspi.get_desktop(0)):
            if anwendung is not None and anwendung.get_name() == "quentor":
                if any(f.get_name() == FENSTERTITEL for f in kinder(anwendung)):
                    return anwendung
        return None
    return warte_auf("die Anwendung quentor mit ihrem Fenster", gefunden)


def fenster_finden(anwendung):
    fenster = [f for f in kinder(anwendung) if f.get_name() == FENSTERTITEL]
    if len(fenster) != 1:
        raise Fehler(f"{len(fenster)} Fenster mit dem Titel {FENSTERTITEL!r}")
    return fenster[0]


def knoepfe_finden(fenster):
    """Each button by its name: exactly one, shown, enabled, focusable, with a Press action."""
    knoepfe = {}
    for name in KNOEPFE:
        treffer = [k for k in kinder(fenster)
                   if k.get_role() == KNOPF and k.get_name() == name]
        if len(treffer) != 1:
            raise Fehler(f"{len(treffer)} Knöpfe namens {name!r}")
        fehlt = {"showing", "enabled", "focusable"} - zustaende(treffer[0])
        if fehlt:
            raise Fehler(f"Knopf {name!r} ohne {sorted(fehlt)}")
        press_index(treffer[0])
        knoepfe[name] = treffer[0]
    return knoepfe


def press_index(knopf):
    # get_action_name is deprecated for a get_name that Atspi 2.46 does not have yet.
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", DeprecationWarning)
        namen = [Atspi.Action.get_action_name(knopf, i)
                 for i in range(Atspi.Action.get_n_actions(knopf))]
    for i, name in enumerate(namen):
        if name in PRESS_AKTIONEN:
            return i
    raise Fehler(f"Knopf {knopf.get_name()!r} hat keine Aktion zum Drücken, nur {namen}")


def ziel_der_beschriftung(fenster, beschriftung):
    """The control that the caption with this text labels (its label-for relation)."""
    for kind in kinder(fenster):
        if kind.get_role() != BESCHRIFTUNG or kind.get_name() != beschriftung:
            continue
        for relation in kind.get_relation_set():
            if relation.get_relation_type() == Atspi.RelationType.LABEL_FOR:
                return relation.get_target(0)
    raise Fehler(f"keine Beschriftung {beschriftung!r}, die ein Feld benennt")


def felder_finden(fenster):
    felder = {}
    for schluessel, beschriftung, rolle in FELDER:
        feld = ziel_der_beschriftung(fenster, beschriftung)
        if feld.get_role() != rolle:
            raise Fehler(f"{schluessel}: Rolle {feld.get_role_name()!r} statt {rolle.value_nick!r}")
        felder[schluessel] = feld
    return felder


def felder_lesen(felder):
    """What each field shows: a text box's text, a display label's name (which is its text)."""
    werte = {}
    for schluessel, _, rolle in FELDER:
        feld = felder[schluessel]
        werte[schluessel] = Atspi.Text.get_text(feld, 0, -1) if rolle == TEXT else feld.get_name()
    return werte


Zelle = collections.namedtuple("Zelle", "zeile spalte name zahl zustand fokus x y breite hoehe")


def gitter_lesen(tabelle):
    """Every cell through the table interface, with its place on the screen."""
    zeilen, spalten = Atspi.Table.get_n_rows(tabelle), Atspi.Table.get_n_columns(tabelle)
    if (zeilen, spalten) != (ZEILEN, SPALTEN):
        raise Fehler(f"Roulettetisch mit {zeilen} x {spalten} statt {ZEILEN} x {SPALTEN} Zellen")
    zellen = []
    for zeile in range(ZEILEN):
        for spalte in range(SPALTEN):
            zelle = Atspi.Table.get_accessible_at(tabelle, zeile, spalte)
            zahl, zustand = zustand_lesen(zelle.get_name())
            rahmen = Atspi.Component.get_extents(zelle, Atspi.CoordType.SCREEN)
            zellen.append(Zelle(zeile, spalte, zelle.get_name(), zahl, zustand,
                                "focused" in zustaende(zelle), rahmen.x, rahmen.y, rahmen.width,
                                rahmen.height))
    return zellen


def platz(zahl):
    """Row and column of a number on the table, zero on top in the middle."""
    return (0, 1) if zahl == 0 else ((zahl - 1) // 3 + 1, (zahl - 1) % 3)


def bildschirm():
    """The whole screen as width, height and RGB bytes (a binary PPM from ImageMagick)."""
    daten = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                           capture_output=True, check=True, timeout=FRIST).stdout
    felder = re.match(rb"P6\s+(?:#[^\n]*\n\s*)*(\d+)\s+(\d+)\s+(\d+)\s", daten)
    if not felder or felder.group(3) != b"255":
        raise Fehler("Bildschirmfoto nicht als PPM mit 8 Bit gelesen")
    breite, hoehe = int(felder.group(1)), int(felder.group(2))
    return breite, hoehe, daten[felder.end():]


def hintergrund(bild, zelle):
    """The colour most pixels inside the cell have. Its middle holds the number's glyphs, and its
    last column and row are the grid's line, so the whole inside is counted."""
    breite, hoehe, pixel = bild
    if min(zelle.x, zelle.y) < 0 or zelle.x + zelle.breite > breite or \
            zelle.y + zelle.hoehe > hoehe:
        raise Fehler(f"Zelle {zelle.zahl} liegt nicht auf dem Bildschirm: {zelle}")
    zaehler = collections.Counter()
    for y in range(zelle.y + 1, zelle.y + zelle.hoehe - 2):
        for x in range(zelle.x + 1, zelle.x + zelle.breite - 2):
            i = 3 * (y * breite + x)
            zaehler[tuple(pixel[i:i + 3])] += 1
    return zaehler.most_common(1)[0][0]


def pruefe_lfn(werte, lfn):
    """The press made its spins (the fields' own rules are the window suite's)."""
    return [] if werte["LFN"] == (str(lfn) if lfn else "") else [f"LFN {werte['LFN']!r} statt {lfn}"]


def pruefe_gitter(zellen, werte):
    """Every number once at its place; one current cell, ZAHL; the counts as the fields say."""
    fehler = []
    nummeriert = [z for z in zellen if z.zahl is not None]
    if sorted(z.zahl for z in nummeriert) != list(range(ZAHLEN)):
        fehler.append(f"Zahlen im Gitter: {sorted(z.zahl for z in nummeriert)}")
    fehler += [f"Zahl {z.zahl} in Zeile {z.zeile}, Spalte {z.spalte}" for z in nummeriert
               if (z.zeile, z.spalte) != platz(z.zahl)]
    aktuell = [z.zahl for z in zellen if z.zustand == "aktuell"]
    erwartet = [int(werte["ZAHL"])] if werte["ZAHL"].isdigit() else []
    if aktuell != erwartet:
        fehler.append(f"aktuelle Zellen {aktuell} statt {erwartet}")
    zaehlung = collections.Counter(z.zustand for z in nummeriert)
    if werte["Label23"] and zaehlung["frei"] != int(werte["Label23"]):
        fehler.append(f"{zaehlung['frei']} freie Zellen, Label23 zeigt {werte['Label23']}")
    if werte["Label8"] and zaehlung["gekommen"] + zaehlung["aktuell"] != int(werte["Label8"]):
        fehler.append(f"{zaehlung['gekommen'] + zaehlung['aktuell']} belegte Zellen, Label8 zeigt "
                      f"{werte['Label8']}")
    if not werte["LFN"] and zaehlung["frei"] != ZAHLEN:
        fehler.append(f"vor dem ersten Wurf {zaehlung['frei']} statt {ZAHLEN} freie Zellen")
    return fehler


def pruefe_farben(zellen, bild):
    """Each cell's state is the colour painted under it."""
    fehler = []
    for zelle in zellen:
        farbe = hintergrund(bild, zelle)
        if farbe != FARBEN[zelle.zustand]:
            fehler.append(f"Zelle {zelle.zahl} ({zelle.zeile}, {zelle.spalte}) ist "
                          f"{zelle.zustand}, gemalt in {farbe}")
    return fehler


class Gehoert:
    """Listens to every object event, as a screen reader that asks for all of them, and records
    how often each object sent each kind, the messages' texts and the names of the cells that said
    their reading changed. Qt 6.4 sends a name change with the object, not the text, as its data:
    the name is read when the event arrives, as a screen reader reads it."""

    def __init__(self):
        self.ansagen, self.zellen = [], set()
        self.arten = collections.Counter()  # (event type, object): how often
        self.folge = []  # the event types in order
        self._hoerer = Atspi.EventListener.new(self._ereignis)
        if not self._hoerer.register("object:"):
            raise Fehler("kann object: nicht abonnieren")

    def vergiss(self):
        self.ansagen.clear()
        self.zellen.clear()
        self.arten.clear()
        self.folge.clear()

    def _ereignis(self, ereignis):
        try:
            rolle, name = ereignis.source.get_role(), ereignis.source.get_name()
        except GLib.Error:
            return
        self.arten[(ereignis.type, ereignis.source)] += 1
        self.folge.append(ereignis.type)
        if ereignis.type == ANSAGE:
            self.ansagen.append(ereignis.any_data)
        elif ereignis.type == ERSCHIENEN and rolle == MELDUNG and ereignis.detail1 == 1:
            self.ansagen.append(name)
        elif ereignis.type == UMBENANNT and rolle == ZELLE:
            self.zellen.add(name)


def pruefe_gehoertes(gehoert, werte, vorher, zellen):
    """Exactly one message for the press, saying the number, rotation and counts shown; every
    cell whose reading changed said so, in its new reading."""
    soll = f"{werte['ZAHL']}, Rotation {werte['Label3']}, frei {werte['Label23']}, " \
           f"belegt {werte['Label8']}"
    fehler = [] if gehoert.ansagen == [soll] else \
        [f"Ansagen {gehoert.ansagen} statt genau einer: {soll!r}"]
    geaendert = {z.name for z in zellen if z.name != vorher[(z.zeile, z.spalte)]}
    if not geaendert <= gehoert.zellen:
        fehler.append(f"ohne Meldung umbenannt: {sorted(geaendert - gehoert.zellen)}")
    return fehler


def pruefe_ereignisse(gehoert):
    """A press sends each kind of event of each object once at most, however many spins it makes:
    a rotation tells its end, not its 37 spins; its message comes last, after what it sums up.
    And all its events stay below the queue at which Orca starts to drop them."""
    fehler = [f"{anzahl} x {art} von {quelle.get_role_name()} {quelle.get_name()!r}"
              for (art, quelle), anzahl in gehoert.arten.items() if anzahl > 1]
    if gehoert.folge[-1:] not in ([ANSAGE], [ERSCHIENEN]):
        fehler.append(f"zuletzt {gehoert.folge[-1:]} statt der Ansage")
    gesamt = sum(gehoert.arten.values())
    if gesamt > ORCAS_FLUT:
        fehler.append(f"{gesamt} Ereignisse, mehr als {ORCAS_FLUT}")
    return fehler


def fenster_aktivieren():
    """Gives the window the keyboard focus, as the desktop does for the window a player uses
    (there is no window manager on the virtual display)."""
    kennung = subprocess.run(["xdotool", "search", "--name", f"^{re.escape(FENSTERTITEL)}$"],
                             capture_output=True, text=True, timeout=FRIST).stdout.split()
    if len(kennung) != 1:
        raise Fehler(f"{len(kennung)} X-Fenster mit dem Titel {FENSTERTITEL!r}")
    subprocess.run(["xdotool", "windowfocus", "--sync", kennung[0]], check=True, timeout=FRIST)


def druecken(knopf, felder, lfn_danach, gehoert):
    """Moves the focus to the button and presses it through its action, as a screen reader user
    does; waits until LFN shows the spins and the events that follow have had time to come over
    the bus."""
    Atspi.Component.grab_focus(knopf)
    warte_auf(f"Fokus auf {knopf.get_name()!r}", lambda: "focused" in zustaende(knopf))
    pumpen(0.2)
    gehoert.vergiss()
    if not Atspi.Action.do_action(knopf, press_index(knopf)):
        raise Fehler(f"{knopf.get_name()!r} ließ sich nicht drücken")
    warte_auf(f"LFN {lfn_danach}",
              lambda: Atspi.Text.get_text(felder["LFN"], 0, -1) == str(lfn_danach))
    pumpen(1.2)


def fall_pruefen(fall, zugang, zustand):
    """One row of FAELLE: the press, then fields, grid, colours and what a screen reader heard."""
    name, knopf, wuerfe = fall
    lfn = zustand["lfn"] + wuerfe
    beginn = time.monotonic()
    vorher = {(z.zeile, z.spalte): z.name for z in gitter_lesen(zugang["tabelle"])}
    if knopf:
        druecken(zugang["knoepfe"][knopf], zugang["felder"], lfn, zugang["gehoert"])
    werte = felder_lesen(zugang["felder"])
    zellen = gitter_lesen(zugang["tabelle"])
    fehler = pruefe_lfn(werte, lfn) + pruefe_gitter(zellen, werte)
    fehler += pruefe_farben(zellen, bildschirm())
    if knopf:
        fehler += pruefe_gehoertes(zugang["gehoert"], werte, vorher, zellen)
        fehler += pruefe_ereignisse(zugang["gehoert"])
        fehler += [f"Zelle {z.name!r} hat den Fokus, den {knopf} hat" for z in zellen if z.fokus]
    zustand["lfn"] = lfn
    print(f"{name}: ZAHL {werte['ZAHL']!r}, LFN {werte['LFN']!r}, Label3 {werte['Label3']!r}, "
          f"frei {werte['Label23']!r}, belegt {werte['Label8']!r}; gesagt "
          f"{zugang['gehoert'].ansagen if knopf else []} mit "
          f"{sum(zugang['gehoert'].arten.values()) if knopf else 0} Ereignissen; "
          f"{time.monotonic() - beginn:.2f} s")
    for zeile in fehler:
        print(f"  FEHLER: {zeile}")
    return not fehler


def zugang_finden():
    """The window and what the cases use of it."""
    anwendung = anwendung_finden()
    fenster = fenster_finden(anwendung)
    tabellen = [k for k in kinder(fenster)
                if k.get_role() == GITTER and k.get_name() == "Roulettetisch"]
    if len(tabellen) != 1:
        raise Fehler(f"{len(tabellen)} Listen namens 'Roulettetisch'")
    if fenster.get_role() != Atspi.Role.FRAME:
        raise Fehler(f"das Fenster ist ein {fenster.get_role_name()!r}, kein Rahmen")
    print(f"Anwendung {anwendung.get_name()!r} ({anwendung.get_toolkit_name()} "
          f"{anwendung.get_toolkit_version()}), Fenster als {fenster.get_role_name()!r}")
    return {"knoepfe": knoepfe_finden(fenster),
            "felder": felder_finden(fenster), "tabelle": tabellen[0], "gehoert": Gehoert()}


def main():
    signal.alarm(120)  # a test that waits forever is a fault: SIGALRM ends it
    Atspi.init()
    try:
        zugang = zugang_finden()
        fenster_aktivieren()
        zustand = {"lfn": 0}
        ergebnisse = [fall_pruefen(fall, zugang, zustand) for fall in FAELLE]
    except Fehler as fehler:
        print(f"FEHLER: {fehler}")
        return 1
    bestanden = sum(ergebnisse)
    print(f"zugang: {bestanden} passed, {len(ergebnisse) - bestanden} failed")
    return 0 if bestanden == len(ergebnisse) else 1


if __name__ == "__main__":
    sys.exit(main())
