// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/mainwindow/tastatur.h"

#include <QAccessible>

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollArea>

#include "core/display/lineaertekst.h"
#include "qt/mainwindow/arketvindu.h"
#include "qt/mainwindow/arkliste.h"
#include "qt/ui/bildeboks.h"
#include "qt/ui/felles.h"
#include "qt/ui/tasteflate.h"

namespace balvo {
namespace {

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
unsigned endring(Qt::KeyboardModifiers mod) {
    unsigned e = uten;
    if (mod & Qt::ShiftModifier) e |= skift;
    if (mod & Qt::ControlModifier) e |= ctrl;
    if (mod & Qt::AltModifier) e |= alt;
    if (mod & Qt::MetaModifier) e |= meta;
    return e;
}

}  // namespace

Tastenavn tastenavn(int qtast) {
    switch (qtast) {
        case Qt::Key_B:
            return Tastenavn::b;
        case Qt::Key_C:
            return Tastenavn::c;
        case Qt::Key_E:
            return Tastenavn::e;
        case Qt::Key_F:
            return Tastenavn::f;
        case Qt::Key_G:
            return Tastenavn::g;
        case Qt::Key_K:
            return Tastenavn::k;
        case Qt::Key_L:
            return Tastenavn::l;
        case Qt::Key_N:
            return Tastenavn::n;
        case Qt::Key_P:
            return Tastenavn::p;
        case Qt::Key_R:
            return Tastenavn::r;
        case Qt::Key_S:
            return Tastenavn::s;
        case Qt::Key_T:
            return Tastenavn::t;
        case Qt::Key_X:
            return Tastenavn::x;
        case Qt::Key_Z:
            return Tastenavn::z;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Tastenavn::enter;
        case Qt::Key_Escape:
            return Tastenavn::escape;
        case Qt::Key_Backspace:
            return Tastenavn::tilbake;
        case Qt::Key_Delete:
            return Tastenavn::slett;
        case Qt::Key_PageUp:
            return Tastenavn::side_opp;
        case Qt::Key_PageDown:
            return Tastenavn::side_ned;
        default:
            return Tastenavn::ingen;
    }
}

namespace {

constexpr std::pair<Tastenavn, Qt::Key> bokstaver[] = {
    {Tastenavn::c, Qt::Key_C}, {Tastenavn::e, Qt::Key_E}, {Tastenavn::g, Qt::Key_G},
    {Tastenavn::l, Qt::Key_L}, {Tastenavn::p, Qt::Key_P}, {Tastenavn::s, Qt::Key_S},
    {Tastenavn::t, Qt::Key_T}, {Tastenavn::z, Qt::Key_Z}};

// The characters of the zoom's shortcuts, by the key that types them.
constexpr std::pair<char, Qt::Key> tegnene[] = {
    {'+', Qt::Key_Plus}, {'=', Qt::Key_Equal}, {'-', Qt::Key_Minus}, {'0', Qt::Key_0}};

char tegn(int qtast) {
    for (const auto& [t, q] : tegnene)
        if (q == qtast) return t;
    return 0;
}

}  // namespace

QList<QKeySequence> snarveier(const Menypunkt& punkt) {
    QList<QKeySequence> ut;
    for (const auto& [navn, qtast] : bokstaver)
        if (navn == punkt.snarvei)
            ut << QKeySequence(punkt.skift ? QKeyCombination(Qt::CTRL | Qt::SHIFT, qtast)
                                           : QKeyCombination(Qt::CTRL, qtast));
    for (char c : punkt.tegn)
        for (const auto& [t, qtast] : tegnene)
            if (t == c) ut << QKeySequence(Qt::CTRL | qtast);
    return ut;
}

Tastatur::Tastatur(ArketVindu& vindu) : QObject(&vindu), vindu_(vindu) {
    vindu.installEventFilter(this);
    // Keys no control used come up through the scrolled client area, which would keep Page Up
    // and Page Down for itself: the key map answers them first.
    if (vindu.rulle()) vindu.rulle()->installEventFilter(this);
    for (const Meny& meny : menyene())
        for (const Menypunkt& m : meny.punkter)
            if (QAction* a = vindu.menypunkt(m.handling)) a->setShortcuts(snarveier(m));
    navngitaster(vindu);
}

bool Tastatur::trykk(int tast, Qt::KeyboardModifiers mod, const QString& tekst) {
    // A menu shortcut normally never gets here; it does when the window has the keyboard but
    // is not the active window (no window manager gave it back after a dialog).
    const Tastenavn navn = tastenavn(tast);
    const unsigned e = endring(mod);
    if ((e & ~skift) == ctrl) {
        const char c = tegn(tast);
        if (const Menypunkt* m = finnmenypunkt(navn, (e & skift) != 0,
                                               c ? std::string_view(&c, 1) : std::string_view())) {
            if (QAction* a = vindu_.menypunkt(m->handling); a && a->isEnabled()) a->trigger();
            return true;
        }
    }
    const QByteArray skrevet = tekst.toUtf8();
    const Tastevalg* v =
        finntastevalg(navn, e, std::string_view(skrevet.constData(), skrevet.size()));
    if (!v) return false;
    switch (v->handling) {
        case Tastehandling::kopier:
            kopierark(vindu_);
            break;
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
    // The boxes' names are a screen reader's alone: worded only while one listens.
    const Opplesning* leser =
        vindu.arkliste() && QAccessible::isActive() ? &vindu.arkliste()->opplesning() : nullptr;
    for (int rad = 0; rad < 5; ++rad) {
        ui::Bildeboks* boks = vindu.linjeboks(rad);
        const int linje = radlinje(arket.ark(), rad, arket.har_oppgave());
        boks->setAccessibleDescription(
            linje < 0 ? QString() : QString::fromStdString(likningstekst(arket.ark(), linje)));
        if (!leser) continue;
        // The boxes themselves are named as the worksheet's list names their lines.
        boks->setAccessibleName(QString::fromStdString(leser->radnavn(rad)));
        vindu.feltboks(rad)->setAccessibleName(QString::fromStdString(leser->feltnavn(rad)));
    }
}

void kopierark(ArketVindu& vindu) {
    if (!vindu.arket().har_oppgave()) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(arktekst(vindu.arket().ark())));
}

}  // namespace balvo
