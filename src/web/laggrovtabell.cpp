// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the coach's table of coarse distances, packed, as C++ source for the web edition.
//
//     balvo_grovtabell UT.cpp
#include <cstdio>

#include "core/coach/grovbilde.h"
#include "web/grovtabell.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "bruk: %s UT.cpp\n", argv[0]);
        return 2;
    }
    const auto par = balvo::nett::pakk_grovtabell(balvo::veileder::bygg_grovtabell());
    std::FILE* ut = std::fopen(argv[1], "w");
    if (!ut) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(ut,
                 "// Written by balvo_grovtabell at build time.\n#include \"web/grovtabell.h\"\n\n"
                 "namespace balvo::nett {\n\nconst std::uint32_t grovtabell_par[] = {\n");
    for (std::size_t i = 0; i < par.size(); ++i)
        std::fprintf(ut, "%#x,%s", par[i], (i + 1) % 8 == 0 ? "\n" : " ");
    std::fprintf(
        ut, "\n};\nconst std::size_t grovtabell_antall = %zu;\n\n}  // namespace balvo::nett\n",
        par.size());
    return std::fclose(ut) == 0 ? 0 : 1;
}
