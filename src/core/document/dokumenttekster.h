// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of saving and printing that both shells show alike: the kinds of file, as the file
// dialogs and file-type choices name them, the question for the pupil's name in a lesson file,
// and a print that could not start.
#include "core/tekst/katalog.h"

namespace balvo {

inline constexpr Tekst pdf_filtype = BALVO_TR("Dokument", "PDF-dokument (*.pdf)");
inline constexpr Tekst png_filtype = BALVO_TR("Dokument", "PNG-bilde (*.png)");
inline constexpr Tekst oekt_filtype = BALVO_TR("Dokument", "Balvo-økt (*.balvo)");
inline constexpr Tekst navnespoersmaal = BALVO_TR("Dokument", "Navn:");
// The names a file is first offered under.
inline constexpr Tekst oektfil_navn = BALVO_TR("Dokument", "økt.balvo");
inline constexpr Tekst klasse_pdf_navn = BALVO_TR("Dokument", "klasse.pdf");
inline constexpr Tekst klasse_csv_navn = BALVO_TR("Dokument", "klasse.csv");
inline constexpr Tekst utskrift_feilet = BALVO_TR("Dokument", "Utskriften kunne ikke startes.");

}  // namespace balvo
