// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box "Om Balvo 2.0": the program's picture, version and teaching idea.
#include <QDialog>

class QLabel;
class QPushButton;

namespace balvo {

class frmOm : public QDialog {
    Q_OBJECT
public:
    // Modeless and deleted when closed; every opening builds the paragraphs again.
    explicit frmOm(QWidget* eier = nullptr);

    void Form_Load();
    void cmdOK_Click();

protected:
    void paintEvent(QPaintEvent* hendelse) override;
    void changeEvent(QEvent* hendelse) override;  // another language: every text again

private:
    QLabel* Innledning_ = nullptr;
    QLabel* Formaal_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* versjon_ = nullptr;
    QLabel* advarsel_ = nullptr;
    QLabel* mening_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace balvo
