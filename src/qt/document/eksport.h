// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving and printing the worksheet: PDF (vector, searchable text), PNG and the printer, all
// from the one painting routine of Dokument. Files are written whole or not at all.
#include <QImage>
#include <QString>
#include <optional>

#include "qt/document/dokument.h"
#include "qt/document/oektdokument.h"

class QIODevice;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace balvo {

class Arket;
class Skall;

// What saving and printing need of the main window: the widget its dialogs belong to, the
// worksheet logic and the window's message boxes.
struct Hovedvindu {
    QWidget& vindu;
    Arket& arket;
    Skall& skall;
};

// A4 with 15 mm margins all round.
void settsideoppsett(QPagedPaintDevice& enhet);

// Paints the document page by page (pages fra..til, 1-based; 0 means all). False when the
// device could not be painted on.
bool tegnsider(const Sider& dokument, QPagedPaintDevice& enhet, int fra = 0, int til = 0);
bool skrivpdf(const Sider& dokument, QIODevice& ut);
// The whole worksheet as one tall picture, 2 pixels to the point.
QImage lagbilde(const Dokument& dokument);

// Writes the document to `sti`: PNG when the name ends in .png, otherwise PDF. Returns an
// empty text on success, otherwise the message for the pupil; a failed save leaves no file.
QString lagre(const Dokument& dokument, const QString& sti);
// The same for a document that is always PDF (the lesson record).
QString lagrepdf(const Sider& dokument, const QString& sti);

// The document of the worksheet, the header from the level, solved count and score.
Dokument vindusdokument(const Arket& arket, const QString& dato);

// The lesson record of the run.
Oektdokument oektdokument(Arket& arket, const QString& dato);

// "Lagre som" without the dialog: saves to `sti` and shows any error. True when saved.
bool lagreark(const Hovedvindu& vindu, const QString& sti);
// "Lagre økta som..." without the dialog, the same way: a lesson file (*.balvo) when the name
// ends so, asking the pupil's name the first time in a run; otherwise the PDF.
bool lagreoektfil(const Hovedvindu& vindu, const QString& sti);
// The pupil's name for the lesson file: asked once per run ("Navn:"), empty allowed; none
// when the pupil cancelled.
std::optional<QString> elevnavn(const Hovedvindu& vindu);
// The menu items' work once the core's dispatcher has let them through: the file dialog, the
// print dialog.
void lagresom(const Hovedvindu& vindu);
void skrivut(const Hovedvindu& vindu);
void lagreoekt(const Hovedvindu& vindu);
void skrivutoekt(const Hovedvindu& vindu);

}  // namespace balvo
