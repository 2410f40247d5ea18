// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson file's reader and replay under a fuzzer: any bytes give a file or a reason, never
// a crash, undefined behaviour or a hang; a file that reads is replayed, summed up and written
// again, and what is written reads back as the same file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/lessonfile/avspilling.h"
#include "core/lessonfile/klasseoversikt.h"
#include "core/lessonfile/oektfil.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string tekst(reinterpret_cast<const char*>(data), size);
    const balvo::Oektlesning l = balvo::lesoektfil(tekst);
    if (!l.ok) {
        if (l.feil.empty()) std::abort();  // refused without a reason
        return 0;
    }
    // A small search for the coach keeps each input quick.
    balvo::Grense grense;
    grense.maks_linjer = 2000;
    const balvo::Klasseoversikt o = balvo::lagklasseoversikt({{"a", tekst}, {"b", tekst}}, grense);
    if (o.elever.size() != 2 || !o.elever[1].samme_som) std::abort();
    (void)balvo::klassecsv(o, true);
    (void)balvo::nivaarader(o);
    const balvo::Oektlesning igjen = balvo::lesoektfil(balvo::skrivoektfil(l.fil));
    if (!igjen.ok) {
        std::fprintf(stderr, "written file not read back: %s\n", igjen.feil.c_str());
        std::abort();
    }
    return 0;
}
