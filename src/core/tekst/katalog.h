// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the core makes for the pupil goes through one catalogue that the shell fills.
// The core names a text by its context and its Bokmål source, written with BALVO_TR so that
// Qt's lupdate finds it (lupdate -tr-function-alias QT_TRANSLATE_NOOP+=BALVO_TR); the shell
// answers with the text in the pupil's language. Without a catalogue, Bokmål stands.
#include <initializer_list>
#include <string>
#include <string_view>

namespace balvo {

// A text of the catalogue: context and Bokmål source, both string literals.
struct Tekst {
    const char* kontekst;
    const char* kilde;
};

#define BALVO_TR(kontekst, kilde) (::balvo::Tekst{kontekst, kilde})

class Katalog {
public:
    virtual ~Katalog() = default;
    // The text in the pupil's language; the source itself where there is no translation.
    virtual std::string oversett(const Tekst& tekst) const = 0;
};

// The catalogue the shell has installed (none: Bokmål). The shell keeps it alive while it is
// installed and installs another when the pupil changes language.
void installerkatalog(const Katalog* katalog);

// A text in the pupil's language, with %1, %2 ... replaced by the arguments in order; empty for
// a Tekst without a source.
std::string oversettelse(const Tekst& tekst);
std::string oversettelse(const Tekst& tekst, std::initializer_list<std::string_view> argumenter);

// %1, %2 ... of a text replaced by the arguments (each placeholder once, left to right).
std::string fyll(std::string_view mal, std::initializer_list<std::string_view> argumenter);

}  // namespace balvo
