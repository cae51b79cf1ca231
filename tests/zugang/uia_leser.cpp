// What a Windows screen reader gets from the real window, asked as one asks: through UI
// Automation's client interfaces, from a process of its own. Finds the window by its title, reads
// the names of the controls below it, the grid's size and cells through its grid pattern, listens
// for notifications (Qt's announcement of a spin) and focus changes, presses "Wurf" and then
// "Rotat" through their invoke pattern (or, where that is missing, clicks them) and waits each
// time for the notification. Prints what it got and, where UI Automation stops, the call and its
// HRESULT; a call answered E_NOTIMPL (Wine's stubs) is listed as not implemented, and what it
// would have given is not checked. Exit status 0 only when everything that could be asked was
// there: the names, the cells, exactly one notification for each press.
// Usage: quentor_uia_leser [SEKUNDEN]   (how long to wait for the window and the notification)

#include <windows.h>

#include <initguid.h> // the interfaces' GUIDs are defined here

#include <uiautomation.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const wchar_t* fenstertitel = L"Tool / Quentor / V.2012.1";
constexpr int zeilen = 13;
constexpr int spalten = 3;

// Holds one COM interface and releases it.
template <typename T> class Com {
  public:
    Com() = default;
    ~Com() {
        if (zeiger_ != nullptr) {
            zeiger_->Release();
        }
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    Com(Com&& anderes) noexcept : zeiger_(anderes.zeiger_) { anderes.zeiger_ = nullptr; }
    Com& operator=(Com&&) = delete;
    T** adresse() { return &zeiger_; }
    void** roh() { return reinterpret_cast<void**>(&zeiger_); }
    T* operator->() const { return zeiger_; }
    T* get() const { return zeiger_; }
    explicit operator bool() const { return zeiger_ != nullptr; }

  private:
    T* zeiger_ = nullptr;
};

std::string utf8(const wchar_t* text) {
    if (text == nullptr) {
        return {};
    }
    const int laenge = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string ergebnis(static_cast<std::size_t>(laenge > 0 ? laenge - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, ergebnis.data(), laenge, nullptr, nullptr);
    return ergebnis;
}

// What went wrong, printed as it is found, and what UI Automation does not implement here (Wine
// answers E_NOTIMPL where it has a stub): the exit status.
struct Befund {
    int fehler = 0;
    int nichtUmgesetzt = 0;
    // True when the call succeeded; else prints it with its HRESULT.
    bool gelungen(HRESULT ergebnis, const char* aufruf) {
        if (SUCCEEDED(ergebnis)) {
            return true;
        }
        if (ergebnis == E_NOTIMPL) {
            std::printf("NICHT UMGESETZT: %s (E_NOTIMPL)\n", aufruf);
            ++nichtUmgesetzt;
        } else {
            std::printf("FEHLER: %s: HRESULT 0x%08lx\n", aufruf,
                        static_cast<unsigned long>(ergebnis));
            ++fehler;
        }
        return false;
    }
    void fehlt(const std::string& was) {
        std::printf("FEHLER: %s\n", was.c_str());
        ++fehler;
    }
};

struct Element {
    CONTROLTYPEID art = 0;
    std::string name;
};

Element lies(IUIAutomationElement* element) {
    Element gelesen;
    BSTR name = nullptr;
    if (SUCCEEDED(element->get_CurrentName(&name))) {
        gelesen.name = utf8(name);
        SysFreeString(name);
    }
    element->get_CurrentControlType(&gelesen.art);
    return gelesen;
}

const char* artname(CONTROLTYPEID art) {
    switch (art) {
    case UIA_WindowControlTypeId:
        return "Window";
    case UIA_ButtonControlTypeId:
        return "Button";
    case UIA_TextControlTypeId:
        return "Text";
    case UIA_EditControlTypeId:
        return "Edit";
    case UIA_CheckBoxControlTypeId:
        return "CheckBox";
    case UIA_ListControlTypeId:
        return "List";
    case UIA_DataItemControlTypeId:
        return "DataItem";
    default:
        return "anderer Typ";
    }
}

HWND fensterFinden(int sekunden) {
    for (int i = 0; i < sekunden * 10; ++i) {
        if (HWND fenster = FindWindowW(nullptr, fenstertitel)) {
            return fenster;
        }
        Sleep(100);
    }
    return nullptr;
}

// An element below the window, with what it reads.
struct Gefunden {
    Com<IUIAutomationElement> element;
    Element gelesen;
};

// Every element below `wurzel` in the tree's order, printed if asked; a screen reader's object
// navigation sees the same. (A search by name cannot be asked for: Wine answers
// CreatePropertyCondition on the name with E_NOTIMPL.)
std::vector<Gefunden> alleUnter(IUIAutomation* automation, IUIAutomationElement* wurzel,
                                Befund& befund, bool zeigen = false) {
    Com<IUIAutomationCondition> alle;
    Com<IUIAutomationElementArray> gefunden;
    std::vector<Gefunden> elemente;
    if (!befund.gelungen(automation->CreateTrueCondition(alle.adresse()), "CreateTrueCondition") ||
        !befund.gelungen(wurzel->FindAll(TreeScope_Descendants, alle.get(), gefunden.adresse()),
                         "IUIAutomationElement::FindAll")) {
        return elemente;
    }
    int anzahl = 0;
    gefunden->get_Length(&anzahl);
    for (int i = 0; i < anzahl; ++i) {
        Gefunden e;
        if (SUCCEEDED(gefunden->GetElement(i, e.element.adresse()))) {
            e.gelesen = lies(e.element.get());
            if (zeigen) {
                std::printf("  %-9s %s\n", artname(e.gelesen.art), e.gelesen.name.c_str());
            }
            elemente.push_back(std::move(e));
        }
    }
    return elemente;
}

// The element of this type and name, or nothing (and the fault noted).
IUIAutomationElement* element(const std::vector<Gefunden>& elemente, const Element& soll,
                              Befund& befund) {
    for (const Gefunden& e : elemente) {
        if (e.gelesen.art == soll.art && e.gelesen.name == soll.name) {
            return e.element.get();
        }
    }
    befund.fehlt(std::string("kein ") + artname(soll.art) + " '" + soll.name + "'");
    return nullptr;
}

// The controls a player uses, by their type and name, as on Linux.
void namenPruefen(const std::vector<Gefunden>& elemente, Befund& befund) {
    for (const char* knopf : {"Wurf", "Rotat", "Neu", "Ende", "Datei"}) {
        element(elemente, {UIA_ButtonControlTypeId, knopf}, befund);
    }
    for (const char* feld : {"ZAHL", "LFN"}) {
        element(elemente, {UIA_EditControlTypeId, feld}, befund);
    }
    for (const char* beschriftung : {"Frei:", "Belegt:", "ROTAT"}) {
        element(elemente, {UIA_TextControlTypeId, beschriftung}, befund);
    }
    for (const char* haken : {"36 Zahlen (ohne Zero)", "löschen nach Rotation"}) {
        element(elemente, {UIA_CheckBoxControlTypeId, haken}, befund);
    }
}

// The cells as the tree lists them below the grid, row by row: what a screen reader reads where
// the grid pattern is missing.
std::vector<std::string> zellenImBaum(const std::vector<Gefunden>& elemente) {
    std::vector<std::string> zellen;
    for (const Gefunden& e : elemente) {
        if (e.gelesen.art == UIA_DataItemControlTypeId) {
            zellen.push_back(e.gelesen.name);
        }
    }
    return zellen;
}

// The grid's cells through its grid pattern, row by row; nothing where it cannot be read.
std::vector<std::string> zellenImGitter(IUIAutomationElement* gitter, Befund& befund) {
    Com<IUIAutomationGridPattern> muster;
    int reihen = 0;
    int breite = 0;
    if (!befund.gelungen(gitter->GetCurrentPatternAs(UIA_GridPatternId,
                                                     IID_IUIAutomationGridPattern, muster.roh()),
                         "GetCurrentPatternAs(UIA_GridPatternId)") ||
        !muster || FAILED(muster->get_CurrentRowCount(&reihen)) ||
        FAILED(muster->get_CurrentColumnCount(&breite))) {
        return {};
    }
    std::printf("Grid-Muster: %d Zeilen, %d Spalten\n", reihen, breite);
    std::vector<std::string> zellen;
    for (int i = 0; i < reihen * breite; ++i) {
        Com<IUIAutomationElement> zelle;
        if (befund.gelungen(muster->GetItem(i / breite, i % breite, zelle.adresse()), "GetItem")) {
            zellen.push_back(lies(zelle.get()).name);
        }
    }
    return zellen;
}

// The 39 cells at start: the blank ones empty, every number free at its place.
void zellenPruefen(const std::vector<std::string>& zellen, const char* woher, Befund& befund) {
    std::vector<std::string> soll(static_cast<std::size_t>(zeilen * spalten));
    soll[1] = "0, frei";
    for (int n = 1; n <= 36; ++n) {
        soll[static_cast<std::size_t>(n + 2)] = std::to_string(n) + ", frei";
    }
    if (zellen != soll) {
        befund.fehlt(std::string("die Zellen ") + woher +
                     " lesen sich am Start nicht als '', '0, frei', '', '1, frei' ... '36, frei'");
    } else {
        std::printf("Zellen %s: alle 39 wie am Start\n", woher);
    }
}

bool endetAuf(const std::string& text, std::string_view ende) {
    return text.size() > ende.size() &&
           text.compare(text.size() - ende.size(), ende.size(), ende) == 0;
}

// After a first spin: one cell current, the other 36 free.
void einerAktuell(const std::vector<std::string>& zellen, Befund& befund) {
    const auto zaehle = [&zellen](std::string_view zustand) {
        return std::count_if(zellen.begin(), zellen.end(),
                             [zustand](const std::string& z) { return endetAuf(z, zustand); });
    };
    const auto aktuell = zaehle(", aktuell");
    const auto frei = zaehle(", frei");
    std::printf("Zellen im Baum: %d aktuell, %d frei\n", static_cast<int>(aktuell),
                static_cast<int>(frei));
    if (aktuell != 1 || frei != 36) {
        befund.fehlt("nach dem Wurf nicht eine Zelle aktuell und 36 frei");
    }
}

// COM's interfaces have no virtual destructor: their objects end through Release().
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
// What a screen reader hears: the notifications' texts and how often the focus moved.
class Hoerer : public IUIAutomationNotificationEventHandler,
               public IUIAutomationFocusChangedEventHandler {
  public:
    ULONG STDMETHODCALLTYPE AddRef() override { return ++bezuege_; }
    ULONG STDMETHODCALLTYPE Release() override { return --bezuege_; } // lives on the stack
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID art, void** ergebnis) override {
        if (art == IID_IUnknown || art == IID_IUIAutomationNotificationEventHandler) {
            *ergebnis = static_cast<IUIAutomationNotificationEventHandler*>(this);
        } else if (art == IID_IUIAutomationFocusChangedEventHandler) {
            *ergebnis = static_cast<IUIAutomationFocusChangedEventHandler*>(this);
        } else {
            *ergebnis = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HandleNotificationEvent(IUIAutomationElement* /*sender*/,
                                                      NotificationKind /*art*/,
                                                      NotificationProcessing /*folge*/, BSTR text,
                                                      BSTR /*kennung*/) override {
        const std::lock_guard<std::mutex> sperre(mutex_);
        gesagt_.push_back(utf8(text));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* /*sender*/) override {
        ++fokus_;
        return S_OK;
    }
    std::vector<std::string> gesagt() {
        const std::lock_guard<std::mutex> sperre(mutex_);
        return gesagt_;
    }
    int fokus() const { return fokus_; }

  private:
    std::atomic<ULONG> bezuege_{1};
    std::atomic<int> fokus_{0};
    std::mutex mutex_;
    std::vector<std::string> gesagt_;
};
#pragma GCC diagnostic pop

// Exactly one message, of the pattern `soll`.
void ansagePruefen(const std::vector<std::string>& gesagt, const char* soll, Befund& befund) {
    for (const std::string& text : gesagt) {
        std::printf("Benachrichtigung: '%s'\n", text.c_str());
    }
    if (gesagt.size() != 1 || !std::regex_match(gesagt.front(), std::regex(soll))) {
        befund.fehlt(std::string("nicht genau eine Benachrichtigung ") + soll);
    }
}

// Notifications come to IUIAutomation5, which Windows 10 1709 and later give.
bool hoereBenachrichtigungen(IUIAutomationElement* fenster, Hoerer& hoerer,
                             Com<IUIAutomation5>& automation5, Befund& befund) {
    return befund.gelungen(CoCreateInstance(CLSID_CUIAutomation8, nullptr, CLSCTX_INPROC_SERVER,
                                            IID_IUIAutomation5, automation5.roh()),
                           "CoCreateInstance(CLSID_CUIAutomation8, IID_IUIAutomation5)") &&
           befund.gelungen(automation5->AddNotificationEventHandler(fenster, TreeScope_Subtree,
                                                                    nullptr, &hoerer),
                           "IUIAutomation5::AddNotificationEventHandler");
}

void druecke(IUIAutomationElement* knopf, Befund& befund) {
    Com<IUIAutomationInvokePattern> muster;
    if (befund.gelungen(knopf->GetCurrentPatternAs(UIA_InvokePatternId,
                                                   IID_IUIAutomationInvokePattern, muster.roh()),
                        "GetCurrentPatternAs(UIA_InvokePatternId)") &&
        muster) {
        befund.gelungen(muster->Invoke(), "IUIAutomationInvokePattern::Invoke");
        return;
    }
    // Else a click in its middle, as a player's.
    RECT rahmen{};
    if (befund.gelungen(knopf->get_CurrentBoundingRectangle(&rahmen),
                        "get_CurrentBoundingRectangle")) {
        std::printf("Stattdessen ein Klick auf (%ld, %ld).\n", (rahmen.left + rahmen.right) / 2,
                    (rahmen.top + rahmen.bottom) / 2);
        SetCursorPos((rahmen.left + rahmen.right) / 2, (rahmen.top + rahmen.bottom) / 2);
        INPUT klick[2] = {};
        klick[0].type = klick[1].type = INPUT_MOUSE;
        klick[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        klick[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, klick, sizeof(INPUT));
    }
}

// Listens below the window, presses the button and waits up to `sekunden` for the notification,
// which must be the one message of the pattern `soll`, when notifications can be listened to.
void drueckeUndHoere(IUIAutomation* automation, IUIAutomationElement* fenster,
                     IUIAutomationElement* knopf, const char* soll, int sekunden, Befund& befund) {
    Hoerer hoerer;
    Com<IUIAutomation5> automation5;
    const bool benachrichtigt = hoereBenachrichtigungen(fenster, hoerer, automation5, befund);
    const bool fokussiert = befund.gelungen(
        automation->AddFocusChangedEventHandler(nullptr, &hoerer), "AddFocusChangedEventHandler");
    druecke(knopf, befund);
    for (int i = 0; benachrichtigt && i < sekunden * 10 && hoerer.gesagt().empty(); ++i) {
        Sleep(100);
    }
    Sleep(500); // and no second one
    if (fokussiert) {
        std::printf("Fokuswechsel gehört: %d\n", hoerer.fokus());
    }
    if (benachrichtigt) {
        automation5->RemoveNotificationEventHandler(fenster, &hoerer);
        ansagePruefen(hoerer.gesagt(), soll, befund);
    } else {
        std::printf("Benachrichtigungen nicht zu hören.\n");
    }
    automation->RemoveAllEventHandlers();
}

// The window's element, once the window is there.
bool fensterLesen(IUIAutomation* automation, int sekunden, Com<IUIAutomationElement>& fenster,
                  Befund& befund) {
    HWND hwnd = fensterFinden(sekunden);
    if (hwnd == nullptr) {
        befund.fehlt("kein Fenster mit dem Titel");
        return false;
    }
    if (!befund.gelungen(automation->ElementFromHandle(hwnd, fenster.adresse()),
                         "IUIAutomation::ElementFromHandle")) {
        return false;
    }
    const Element oben = lies(fenster.get());
    std::printf("Fenster: %s '%s'\n", artname(oben.art), oben.name.c_str());
    if (oben.art != UIA_WindowControlTypeId || oben.name != utf8(fenstertitel)) {
        befund.fehlt("das Fenster ist kein Window mit seinem Titel");
    }
    return true;
}

// What the window shows at start: its controls' names and its cells, in the tree and through the
// grid pattern.
void lesePruefen(const std::vector<Gefunden>& elemente, Befund& befund) {
    namenPruefen(elemente, befund);
    zellenPruefen(zellenImBaum(elemente), "im Baum", befund);
    if (IUIAutomationElement* gitter =
            element(elemente, {UIA_ListControlTypeId, "Roulettetisch"}, befund)) {
        if (const auto zellen = zellenImGitter(gitter, befund); !zellen.empty()) {
            zellenPruefen(zellen, "im Grid-Muster", befund);
        }
    }
}

// "Wurf", then "Rotat": each said once, and after the spin one cell current.
void druckePruefen(IUIAutomation* automation, IUIAutomationElement* fenster,
                   const std::vector<Gefunden>& elemente, int sekunden, Befund& befund) {
    IUIAutomationElement* wurf = element(elemente, {UIA_ButtonControlTypeId, "Wurf"}, befund);
    IUIAutomationElement* rotat = element(elemente, {UIA_ButtonControlTypeId, "Rotat"}, befund);
    if (wurf == nullptr || rotat == nullptr) {
        return;
    }
    drueckeUndHoere(automation, fenster, wurf, R"(\d+, Rotation 1 / 1, frei 36, belegt 1)",
                    sekunden, befund);
    std::printf("Nach dem Wurf:\n");
    einerAktuell(zellenImBaum(alleUnter(automation, fenster, befund)), befund);
    drueckeUndHoere(automation, fenster, rotat, R"(\d+, Rotation 2 / 1, frei \d+, belegt \d+)",
                    sekunden, befund);
}

int pruefe(int sekunden) {
    Befund befund;
    Com<IUIAutomation> automation;
    Com<IUIAutomationElement> fenster;
    if (!befund.gelungen(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                          IID_IUIAutomation, automation.roh()),
                         "CoCreateInstance(CLSID_CUIAutomation)") ||
        !fensterLesen(automation.get(), sekunden, fenster, befund)) {
        return 1;
    }
    std::printf("Darunter:\n");
    const auto elemente = alleUnter(automation.get(), fenster.get(), befund, true);
    lesePruefen(elemente, befund);
    druckePruefen(automation.get(), fenster.get(), elemente, sekunden, befund);
    std::printf("uia: %d Fehler, %d Aufrufe nicht umgesetzt\n", befund.fehler,
                befund.nichtUmgesetzt);
    return befund.fehler == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const int sekunden = argc > 1 ? std::atoi(argv[1]) : 20;
    // Events come on threads of UI Automation's own: no message loop is needed here.
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {
        std::printf("FEHLER: CoInitializeEx\n");
        return 1;
    }
    const int status = pruefe(sekunden);
    CoUninitialize();
    return status;
}
