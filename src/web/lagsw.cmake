# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the service worker: every file of the folder NETT to keep, and a version made from
# their contents, so that a changed file reaches the browsers that have the program installed.
file(GLOB_RECURSE filer RELATIVE ${NETT} ${NETT}/*)
list(REMOVE_ITEM filer sw.js)
list(SORT filer)
set(innhold "")
set(FILER "")
foreach(f ${filer})
  file(SHA256 ${NETT}/${f} sum)
  string(APPEND innhold "${f} ${sum}\n")
  string(APPEND FILER "  './${f}',\n")
endforeach()
string(SHA256 sum "${innhold}")
string(SUBSTRING ${sum} 0 16 VERSJON)
configure_file(${MAL} ${NETT}/sw.js @ONLY)
