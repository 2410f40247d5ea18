// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/mainwindow/arkliste.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

#include "qt/ui/felles.h"

namespace balvo {
namespace {

QString qtekst(const std::string& tekst) {
    return QString::fromStdString(tekst);
}

// One line of the worksheet, or the operand being typed, as a list item.
class Elementtilgang : public QAccessibleInterface {
public:
    Elementtilgang(Arkliste* liste, int indeks) : liste_(liste), i_(indeks) {}

    bool isValid() const override { return !liste_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return liste_ ? liste_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return liste_ ? QAccessible::queryAccessibleInterface(liste_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text art) const override {
        if (!liste_) return {};
        const Leseelement e = liste_->opplesning().element(i_);
        if (art == QAccessible::Name) return qtekst(e.navn);
        if (art == QAccessible::Description) return qtekst(e.beskrivelse);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!liste_) return {};
        const QRect r = liste_->elementrute(i_);
        return r.isNull() ? QRect() : QRect(liste_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!liste_) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.selectable = true;
        if (liste_->hasFocus() && liste_->opplesning().fokus() == i_) {
            s.focused = true;
            s.selected = true;
        }
        if (liste_->elementrute(i_).isNull()) {
            s.invisible = true;
            s.offscreen = true;
        }
        return s;
    }

private:
    QPointer<Arkliste> liste_;
    int i_;
};

class Arklistetilgang : public QAccessibleWidget {
public:
    explicit Arklistetilgang(Arkliste* liste) : QAccessibleWidget(liste, QAccessible::List) {}

    int childCount() const override { return liste()->opplesning().antall(); }
    QAccessibleInterface* child(int i) const override {
        return i >= 0 && i < childCount() ? liste()->element(i) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* barn) const override {
        return liste()->indeks(barn);
    }
    QAccessibleInterface* focusChild() const override {
        const int f = liste()->opplesning().fokus();
        return liste()->hasFocus() && f >= 0 ? liste()->element(f) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = liste()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (liste()->elementrute(i).contains(p)) return liste()->element(i);
        return nullptr;
    }
    QString text(QAccessible::Text art) const override {
        if (art == QAccessible::Name) return ui::qtr(arknavn);
        return QAccessibleWidget::text(art);
    }

private:
    Arkliste* liste() const { return static_cast<Arkliste*>(widget()); }
};

QAccessibleInterface* lagtilgang(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("balvo::Arkliste") && objekt && objekt->isWidgetType())
        return new Arklistetilgang(static_cast<Arkliste*>(objekt));
    return nullptr;
}

}  // namespace

Arkliste::Arkliste(Arket& arket, QWidget* forelder) : QWidget(forelder), opplesning_(arket) {
    static const bool fabrikk = (QAccessible::installFactory(lagtilgang), true);
    Q_UNUSED(fabrikk);
    setObjectName(QStringLiteral("arkliste"));
    // Only the keyboard comes here: a click goes through to the rows and keys beneath.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

Arkliste::~Arkliste() {
    glem();
}

void Arkliste::dekk(const std::array<QWidget*, 5>& rader, const std::array<QWidget*, 5>& felter) {
    rader_ = rader;
    felter_ = felter;
    for (QWidget* w : rader_) w->installEventFilter(this);
    for (QWidget* w : felter_) w->installEventFilter(this);
    tilpass();
    // Beneath the rows while it draws nothing, so that repainting a row never paints it too;
    // above them while it has the keyboard and marks the line in focus.
    lower();
}

void Arkliste::tilpass() {
    QRect r;
    for (QWidget* w : rader_) r |= w->geometry();
    for (QWidget* w : felter_) r |= w->geometry();
    setGeometry(r);
}

bool Arkliste::eventFilter(QObject* objekt, QEvent* hendelse) {
    if (hendelse->type() == QEvent::Move || hendelse->type() == QEvent::Resize) tilpass();
    return QWidget::eventFilter(objekt, hendelse);
}

QAccessibleInterface* Arkliste::element(int i) {
    if (i < 0) return nullptr;
    const auto k = static_cast<std::size_t>(i);
    if (k >= elementer_.size()) elementer_.resize(k + 1, 0);
    if (!elementer_[k])
        elementer_[k] = QAccessible::registerAccessibleInterface(new Elementtilgang(this, i));
    return QAccessible::accessibleInterface(elementer_[k]);
}

int Arkliste::indeks(const QAccessibleInterface* element) const {
    for (std::size_t k = 0; k < elementer_.size(); ++k)
        if (elementer_[k] && QAccessible::accessibleInterface(elementer_[k]) == element)
            return static_cast<int>(k);
    return -1;
}

QRect Arkliste::elementrute(int i) const {
    const int rad = opplesning_.rad(i);
    if (rad < 0 || !rader_[0]) return {};
    const QWidget* boks =
        (opplesning_.er_operand(i) ? felter_ : rader_)[static_cast<std::size_t>(rad)];
    return boks->geometry().translated(-pos());
}

void Arkliste::glem() {
    for (QAccessible::Id id : elementer_)
        if (id) QAccessible::deleteAccessibleInterface(id);
    elementer_.clear();
}

void Arkliste::endret() {
    const int i = opplesning_.endring();
    // The focus mark is drawn only while the worksheet has the keyboard; otherwise the rows
    // under this widget need no painting for it.
    if (hasFocus()) update();
    if (i < 0) return;
    glem();
    // Nobody listening: the keyboard stays where the pupil put it. The line to write is said
    // by the line editor, which has the keyboard and bears the element's name.
    if (!QAccessible::isActive() || opplesning_.er_skrivlinje(i)) return;
    if (!hasFocus()) setFocus(Qt::OtherFocusReason);
    meldfokus();
}

void Arkliste::nyetekster() {
    glem();
    meldt_ = 0;
    meldfokus();
}

void Arkliste::meldfokus() {
    const int f = opplesning_.fokus();
    if (f < 0 || !hasFocus()) return;
    QAccessibleInterface* e = element(f);
    const QAccessible::Id id = QAccessible::uniqueId(e);
    if (id == meldt_) return;
    meldt_ = id;
    QAccessibleEvent hendelse(e, QAccessible::Focus);
    QAccessible::updateAccessibility(&hendelse);
}

void Arkliste::keyPressEvent(QKeyEvent* hendelse) {
    Leseretning retning;
    switch (hendelse->key()) {
        case Qt::Key_Up:
            retning = Leseretning::opp;
            break;
        case Qt::Key_Down:
            retning = Leseretning::ned;
            break;
        case Qt::Key_Home:
            retning = Leseretning::foerste;
            break;
        case Qt::Key_End:
            retning = Leseretning::siste;
            break;
        default:
            hendelse->ignore();  // on to the keypad map
            return;
    }
    if ((hendelse->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        hendelse->ignore();
        return;
    }
    if (opplesning_.flytt(retning)) {
        update();
        meldfokus();
    }
}

void Arkliste::focusInEvent(QFocusEvent* hendelse) {
    QWidget::focusInEvent(hendelse);
    raise();
    update();
    // Qt tells of the list itself once this returns; the line in focus is told after that.
    QMetaObject::invokeMethod(this, &Arkliste::meldfokus, Qt::QueuedConnection);
}

void Arkliste::focusOutEvent(QFocusEvent* hendelse) {
    QWidget::focusOutEvent(hendelse);
    meldt_ = 0;
    update();
    lower();
}

void Arkliste::paintEvent(QPaintEvent*) {
    if (!hasFocus()) return;
    const QRect r = elementrute(opplesning_.fokus());
    if (r.isNull()) return;
    QPainter maler(this);
    QPen penn(palette().color(QPalette::WindowText));
    penn.setStyle(Qt::DotLine);
    maler.setPen(penn);
    maler.drawRect(r.adjusted(1, 1, -2, -2));
}

}  // namespace balvo
