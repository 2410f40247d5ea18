#include "qt/mainwindow/tastatur.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "core/display/lineaertekst.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/ui/bildeboks.h"
#include "qt/ui/felles.h"
#include "qt/ui/tasteflate.h"

namespace balvo {
namespace {

constexpr auto ingen = Qt::NoModifier;
constexpr auto ctrl = Qt::ControlModifier;
constexpr auto shift = Qt::ShiftModifier;
constexpr auto u = Qt::Key_unknown;

// Symbols are matched by the character typed, so that every keyboard layout works; letters by
// their key, so that Caps Lock does not turn x into x².
constexpr Tast siffer(int i) {
    return static_cast<Tast>(siffer0 + i);
}
constexpr Tast opr(int i) {
    return static_cast<Tast>(opr0 + i);
}

constexpr Tastevalg tabell[] = {
    {u, '0', ingen, siffer(0)},
    {u, '1', ingen, siffer(1)},
    {u, '2', ingen, siffer(2)},
    {u, '3', ingen, siffer(3)},
    {u, '4', ingen, siffer(4)},
    {u, '5', ingen, siffer(5)},
    {u, '6', ingen, siffer(6)},
    {u, '7', ingen, siffer(7)},
    {u, '8', ingen, siffer(8)},
    {u, '9', ingen, siffer(9)},
    {u, '/', ingen, broekstrek},
    {Qt::Key_X, 0, ingen, variabel0},
    {Qt::Key_X, 0, shift, variabel1},
    {u, '+', ingen, opr(0)},
    {u, '-', ingen, opr(1), Tastehandling::minus},
    {u, '*', ingen, opr(2)},
    {u, ':', ingen, opr(3)},
    {Qt::Key_R, 0, ingen, opr(4)},
    {Qt::Key_K, 0, ingen, opr(5)},
    {Qt::Key_F, 0, ingen, opr(6)},
    {Qt::Key_B, 0, ingen, opr(7)},
    {Qt::Key_N, 0, ingen, pm},
    {Qt::Key_Return, 0, ingen, Utfoer},
    {Qt::Key_Enter, 0, ingen, Utfoer},
    {Qt::Key_Escape, 0, ingen, strykut},
    {Qt::Key_Backspace, 0, ingen, strykut},
    {Qt::Key_Delete, 0, ingen, strykut},
    {Qt::Key_PageUp, 0, ingen, scrollopp},
    {Qt::Key_PageDown, 0, ingen, scrollned},
    {Qt::Key_N, 0, ctrl, antall_taster, Tastehandling::nyoppgave},
};

const Menyvalg menytabell[] = {
    {"egendef", QKeySequence(Qt::CTRL | Qt::Key_E)},
    {"mmPapir", QKeySequence(Qt::CTRL | Qt::Key_G)},
    {"Utskrift", QKeySequence(Qt::CTRL | Qt::Key_P)},
    {"Lagre", QKeySequence(Qt::CTRL | Qt::Key_S)},
    {"angre", QKeySequence(Qt::CTRL | Qt::Key_Z)},
    {"kopier", QKeySequence(Qt::CTRL | Qt::Key_C)},
    {"tips", QKeySequence(Qt::CTRL | Qt::Key_T)},
    {"loesningsforslag", QKeySequence(Qt::CTRL | Qt::Key_L)},
};

// Keys with no tooltip are named by what they show.
struct Navn {
    Tast knapp;
    Tekst navn;
};
constexpr Navn egne_navn[] = {
    {Utfoer, utfoertekst},
    {scrollopp, BALVO_TR("Arket", "Rull opp")},
    {scrollned, BALVO_TR("Arket", "Rull ned")},
};

// Modifiers that change what a key means; Keypad only tells where the key sits.
Qt::KeyboardModifiers betydning(Qt::KeyboardModifiers mod) {
    return mod & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

const Tastevalg* finn(int tast, Qt::KeyboardModifiers mod, const QString& tekst) {
    const auto m = betydning(mod);
    for (const auto& v : tabell) {
        if (v.tegn != 0) {
            // The character already says whether Shift was needed.
            if ((m & ~Qt::ShiftModifier) == v.krav && tekst == QChar::fromLatin1(v.tegn)) return &v;
        } else if (tast == v.tast && m == v.krav) {
            return &v;
        }
    }
    return nullptr;
}

}  // namespace

std::span<const Tastevalg> tastevalg() {
    return tabell;
}

std::span<const Menyvalg> menyvalg() {
    return menytabell;
}

Tastatur::Tastatur(ArketVindu& vindu) : QObject(&vindu), vindu_(vindu) {
    vindu.installEventFilter(this);
    for (const auto& m : menytabell)
        if (auto* a = vindu.findChild<QAction*>(QLatin1String(m.punkt))) a->setShortcut(m.snarvei);
    navngitaster(vindu);
}

bool Tastatur::trykk(int tast, Qt::KeyboardModifiers mod, const QString& tekst) {
    // A menu shortcut normally never gets here; it does when the window has the keyboard but
    // is not the active window (no window manager gave it back after a dialog).
    const QKeySequence trykket(QKeyCombination(betydning(mod), static_cast<Qt::Key>(tast)));
    for (const auto& m : menytabell) {
        if (trykket != m.snarvei) continue;
        if (auto* a = vindu_.findChild<QAction*>(QLatin1String(m.punkt)); a && a->isEnabled())
            a->trigger();
        return true;
    }
    const Tastevalg* v = finn(tast, mod, tekst);
    if (!v) return false;
    switch (v->handling) {
        case Tastehandling::nyoppgave:
            klikk(vindu_.nyoppgaveknapp());
            break;
        case Tastehandling::minus: {
            // "Trekk fra..." while it can be chosen; otherwise the minus is the negative sign.
            QAbstractButton* trekk = vindu_.tast(v->knapp);
            klikk(trekk->isEnabled() ? trekk : vindu_.tast(pm));
            break;
        }
        case Tastehandling::knapp:
            klikk(vindu_.tast(v->knapp));
            break;
    }
    return true;
}

void Tastatur::klikk(QAbstractButton* k) {
    // Exactly a click, and only while the key is usable.
    if (k && k->isEnabled()) k->click();
}

bool Tastatur::eventFilter(QObject* objekt, QEvent* hendelse) {
    // Keys that no control of the window used come up to the window itself.
    if (hendelse->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(hendelse);
        if (trykk(k->key(), k->modifiers(), k->text())) return true;
    }
    return QObject::eventFilter(objekt, hendelse);
}

void navngitaster(ArketVindu& vindu) {
    for (int t = 0; t < antall_taster; ++t) {
        QAbstractButton* k = vindu.tast(static_cast<Tast>(t));
        if (t >= siffer0 && t < siffer0 + 10) {
            k->setAccessibleName(QString::number(t - siffer0));
        } else if (!k->toolTip().isEmpty()) {
            k->setAccessibleName(k->toolTip());
        }
    }
    for (const auto& n : egne_navn) vindu.tast(n.knapp)->setAccessibleName(ui::qtr(n.navn));
}

void beskrivrader(ArketVindu& vindu) {
    const Arket& arket = vindu.arket();
    for (int rad = 0; rad < 5; ++rad) {
        ui::Bildeboks* boks = vindu.linjeboks(rad);
        const int linje = radlinje(arket.ark(), rad, arket.har_oppgave());
        boks->setAccessibleDescription(
            linje < 0 ? QString() : QString::fromStdString(likningstekst(arket.ark(), linje)));
    }
}

void kopierark(ArketVindu& vindu) {
    if (!vindu.arket().har_oppgave()) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(arktekst(vindu.arket().ark())));
}

}  // namespace balvo
