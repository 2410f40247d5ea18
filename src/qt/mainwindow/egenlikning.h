// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog "Skriv egen likning": six boxes for a x² + b x + c = d x² + e x + f. OK hands the
// texts to the worksheet; a refused box keeps the dialog open with that box selected.
#include <QDialog>
#include <array>

#include "core/mainwindow/arket.h"
#include "core/mainwindow/meldinger.h"

class QLineEdit;
class QPushButton;

namespace balvo {

class egenlikning : public QDialog {
    Q_OBJECT
public:
    // Modeless and deleted when closed, so every opening starts again with six "0".
    egenlikning(Arket& arket, Meldinger& meldinger, QWidget* eier = nullptr);

    QLineEdit* koeff(int k) const { return koeff_[static_cast<std::size_t>(k)]; }

    void Form_Load();
    void OK_Click();
    void Glem_Click();

protected:
    void changeEvent(QEvent* hendelse) override;  // another language: title and buttons

private:
    void oversett();

    Arket& arket_;
    Meldinger& meldinger_;
    std::array<QLineEdit*, 6> koeff_{};
    QPushButton* glem_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace balvo
