// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Løsningsforslag": the coach's shortest way from the current line, every line
// typeset by the program's own line renderer with its operation beside it, as the worksheet
// shows them, and the same way as text that screen readers read and the pupil can copy.
// Modeless; it changes nothing on the worksheet.
#include <QDialog>
#include <optional>
#include <vector>

#include "core/coach/veileder.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace balvo {

namespace ui {
class Bildeboks;
}

class Loesningsforslag : public QDialog {
    Q_OBJECT
public:
    explicit Loesningsforslag(QWidget* eier = nullptr);

    // Shows this way (or why there is none), in place of what the window showed.
    void vis(const Veiledning& veiledning);
    // The rows, fields and texts at the main window's zoom, the way shown again.
    void settzoom(double zoom);

    // For the tests and screen readers: the heading, the rows and the text.
    QString overskrift() const;
    int antall_rader() const { return static_cast<int>(linjer_.size()); }
    ui::Bildeboks* linjeboks(int i) const { return linjer_.at(static_cast<std::size_t>(i)); }
    ui::Bildeboks* operasjonsboks(int i) const { return felter_.at(static_cast<std::size_t>(i)); }
    QString tekst() const;

protected:
    // Another language: the title, the buttons and the way written again in it.
    void changeEvent(QEvent* hendelse) override;

private:
    void oversett();

    std::optional<Veiledning>
        veiledning_;  // the way shown, shown again in another language or zoom
    QLabel* overskrift_ = nullptr;
    QPushButton* kopier_ = nullptr;
    QPushButton* lukk_ = nullptr;
    QWidget* rader_ = nullptr;
    QPlainTextEdit* tekst_ = nullptr;
    std::vector<ui::Bildeboks*> linjer_;
    std::vector<ui::Bildeboks*> felter_;
    double zoom_ = 1;
};

}  // namespace balvo
