// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Balvo in the page: checks for WebAssembly, waits for the fonts and the program, and
// hands every click and key to it. Everything the program decides happens in balvo.wasm.
(function () {
    'use strict';

    // The page's own texts in the language the program will speak: the one chosen before, or
    // the browser's (the build wrote their translations beside them).
    (function () {
        let valgt = null;
        try { valgt = localStorage.getItem('balvo.spraak'); } catch (e) { /* none kept */ }
        const lokale = valgt || (navigator.languages && navigator.languages[0]) ||
                       navigator.language || '';
        const sprak = lokale.split(/[_\-.@]/)[0].toLowerCase();
        if (sprak !== 'nn' && sprak !== 'en') return;
        document.documentElement.lang = sprak;
        document.querySelectorAll('[data-tekst]').forEach(function (e) {
            if (e.dataset[sprak]) e.textContent = e.dataset[sprak];
        });
    })();

    if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
        document.getElementById('ingenwasm').hidden = false;
        return;
    }
    // Offline after the first visit where the browser allows it; without, the page works on.
    // The files are kept a while after the page has started and loaded, so that keeping them
    // (every file fetched again) never competes with the start or its first taps.
    function holdfilene() {
        try {
            if ('serviceWorker' in navigator && location.protocol !== 'file:') {
                navigator.serviceWorker.register('sw.js').catch(function () {});
            }
        } catch (e) { /* no service worker */ }
    }

    // The canvases measure text: the web fonts must be there before the first line is set.
    const fonter = Promise.all([
        '20px "Liberation Serif"', 'italic 20px "Liberation Serif"',
        '20px "Liberation Sans"', 'bold 20px "Liberation Sans"',
    ].map(function (f) { return document.fonts.load(f); }));

    function feil(e) {
        console.error(e);
        document.getElementById('lastefeil').hidden = false;
    }

    // One handler at a time: a handler that waits for a message box is still running.
    let kjede = Promise.resolve();
    let etterarbeid = false;
    function kall(navn, typer, verdier) {
        kjede = kjede.then(function () {
            return Module.ccall(navn, null, typer, verdier, {async: true});
        }).then(planlegg).catch(feil);
        return kjede;
    }
    // Work the program leaves for after the page has been painted (the coach's shortest way of
    // a new exercise) runs in the same chain, a frame later.
    function planlegg() {
        if (etterarbeid || !Module.ccall('balvo_etterarbeid_venter', 'number', [], [])) return;
        etterarbeid = true;
        requestAnimationFrame(function () {
            setTimeout(function () {
                etterarbeid = false;
                kall('balvo_etterarbeid', [], []);
            }, 0);
        });
    }

    // --- The keyboard's ways through the page -------------------------------------------
    // The menu bar is one Tab stop; the arrow keys go along it and down its menus, Escape
    // closes a menu and then leaves the bar for the place the pupil came from. A window traps
    // Tab inside itself and gives the focus back when it closes.
    let sist = null;  // the last place of the focus outside the menu bar and the windows
    document.addEventListener('focusin', function (ev) {
        if (!ev.target.closest('#menylinje, dialog')) sist = ev.target;
        // The worksheet's frame follows its focus even where the browser's window has none
        // (where :focus would not match).
        if (ev.target.id === 'arkliste') ev.target.classList.add('fokus');
    });
    document.addEventListener('focusout', function (ev) {
        if (ev.target.id === 'arkliste') ev.target.classList.remove('fokus');
    });
    function tilbake() {
        const maal = sist && sist.isConnected && !sist.disabled ? sist
                                                                : document.getElementById('arkliste');
        if (maal) maal.focus();
    }
    function menyknapper() { return [...document.querySelectorAll('.menyknapp')]; }
    function punkter(liste) {
        return [...liste.querySelectorAll('.menypunkt')].filter(function (p) { return !p.disabled; });
    }
    function lukkMenyer(unntatt) {
        document.querySelectorAll('.menyknapp[aria-expanded=true]').forEach(function (k) {
            if (k === unntatt) return;
            k.setAttribute('aria-expanded', 'false');
            k.nextElementSibling.hidden = true;
        });
    }
    function tilMenyknapp(knapp) {
        menyknapper().forEach(function (k) { k.tabIndex = k === knapp ? 0 : -1; });
        knapp.focus();
    }
    // Opens the menu of `knapp` and puts the focus on its first (or last) usable item.
    function aapne(knapp, hvor) {
        lukkMenyer(knapp);
        knapp.setAttribute('aria-expanded', 'true');
        const liste = knapp.nextElementSibling;
        liste.hidden = false;
        tilMenyknapp(knapp);
        const p = punkter(liste);
        if (p.length) (hvor === 'siste' ? p[p.length - 1] : p[0]).focus();
    }
    function nabo(liste, element, steg) {
        const i = liste.indexOf(element);
        return liste[(i + steg + liste.length) % liste.length];
    }
    function menytast(ev) {
        const knapp = ev.target.closest('.menyknapp');
        const punkt = ev.target.closest('.menypunkt');
        const eier = knapp || (punkt && punkt.closest('.meny').querySelector('.menyknapp'));
        if (!eier) return false;
        const aapen = eier.getAttribute('aria-expanded') === 'true';
        switch (ev.key) {
        case 'ArrowRight': case 'ArrowLeft': {
            const neste = nabo(menyknapper(), eier, ev.key === 'ArrowRight' ? 1 : -1);
            if (aapen) aapne(neste); else tilMenyknapp(neste);
            break;
        }
        case 'ArrowDown': case 'ArrowUp':
            if (punkt) {
                nabo(punkter(punkt.parentElement), punkt, ev.key === 'ArrowDown' ? 1 : -1).focus();
            } else {
                aapne(eier, ev.key === 'ArrowUp' ? 'siste' : 'foerste');
            }
            break;
        case 'Enter': case ' ':
            if (punkt) return true;  // the item's own click
            aapne(eier);
            break;
        case 'Home': case 'End':
            if (punkt) {
                const p = punkter(punkt.parentElement);
                p[ev.key === 'Home' ? 0 : p.length - 1].focus();
            } else {
                const k = menyknapper();
                tilMenyknapp(k[ev.key === 'Home' ? 0 : k.length - 1]);
            }
            break;
        case 'Escape':
            if (aapen) { lukkMenyer(null); tilMenyknapp(eier); } else { tilbake(); }
            break;
        case 'Tab':
            lukkMenyer(null);
            return true;
        default:
            return true;  // the key map does not reach into the menus
        }
        ev.preventDefault();
        return true;
    }
    // Tab and Shift+Tab go round the controls of a window, never out of it.
    function fang(ev, vindu) {
        const stopp = [...vindu.querySelectorAll('button, input, [tabindex="0"]')].filter(
            function (e) { return !e.disabled && !e.hidden && e.offsetParent !== null; });
        if (!stopp.length) return;
        const foerste = stopp[0], siste = stopp[stopp.length - 1];
        if (ev.shiftKey && document.activeElement === foerste) {
            siste.focus();
        } else if (!ev.shiftKey && document.activeElement === siste) {
            foerste.focus();
        } else if (!vindu.contains(document.activeElement)) {
            foerste.focus();
        } else {
            return;
        }
        ev.preventDefault();
    }
    // The worksheet's list: the arrow keys, Home and End walk its lines.
    const listetaster = {ArrowUp: 0, ArrowDown: 1, Home: 2, End: 3};

    function koble() {
        // A click on a key leaves the keyboard's focus where it was, as on the desktop.
        document.addEventListener('mousedown', function (ev) {
            if (ev.target.closest('button.tast')) ev.preventDefault();
        });
        document.addEventListener('click', function (ev) {
            const meny = ev.target.closest('.menyknapp');
            if (meny) {
                if (meny.getAttribute('aria-expanded') === 'true') {
                    lukkMenyer(null);
                } else {
                    aapne(meny);
                }
                return;
            }
            const imeny = ev.target.closest('.menyliste');
            lukkMenyer(null);
            const e = ev.target.closest('[data-h]');
            // A chosen item gives the focus back before it acts, so that a window it opens
            // gives it back there too.
            if (imeny) tilbake();
            if (!e || e.disabled || e.tagName === 'FORM') return;
            kall('balvo_klikk', ['string', 'string', 'number'],
                 [e.dataset.h, e.dataset.n || '', e.checked ? 1 : 0]);
        });
        // The written line typeset in its row as it is typed.
        document.addEventListener('input', function (ev) {
            if (ev.target.id === 'skrivfelt')
                kall('balvo_klikk', ['string', 'string', 'number'], ['regnselv', 'vis', 0]);
        });
        document.addEventListener('submit', function (ev) {
            // A message box's form closes its dialog itself.
            if (!ev.target.dataset.h) return;
            ev.preventDefault();
            kall('balvo_klikk', ['string', 'string', 'number'], [ev.target.dataset.h, '', 0]);
        });
        // A window that closes gives the focus back to where the pupil was.
        document.addEventListener('close', function (ev) {
            if (ev.target.classList && ev.target.classList.contains('vindu')) tilbake();
        }, true);
        document.addEventListener('keydown', function (ev) {
            // A message box takes the keys itself.
            if (document.querySelector('dialog.modal[open]')) return;
            const vindu = ev.target.closest && ev.target.closest('dialog');
            if (vindu) {
                if (ev.key === 'Escape') {
                    ev.preventDefault();
                    kall('balvo_klikk', ['string', 'string', 'number'], ['lukk', vindu.id, 0]);
                } else if (ev.key === 'Tab') {
                    fang(ev, vindu);
                }
                return;
            }
            if (ev.target.closest && ev.target.closest('#menylinje') && menytast(ev)) return;
            // "Regn selv"'s line editor keeps its keys; Enter checks, Escape shows the line.
            if (ev.target.id === 'skrivfelt') {
                if (ev.key === 'Enter' || ev.key === 'Escape') {
                    ev.preventDefault();
                    kall('balvo_klikk', ['string', 'string', 'number'],
                         ['regnselv', ev.key === 'Enter' ? 'enter' : 'esc', 0]);
                }
                return;
            }
            if (ev.key === 'F10' && !ev.ctrlKey && !ev.altKey) {
                ev.preventDefault();
                lukkMenyer(null);
                const k = menyknapper();
                if (k.length) tilMenyknapp(k[0]);
                return;
            }
            const utenEndring = !ev.ctrlKey && !ev.altKey && !ev.metaKey && !ev.shiftKey;
            if (ev.target.id === 'arkliste' && utenEndring && ev.key in listetaster) {
                ev.preventDefault();
                kall('balvo_klikk', ['string', 'string', 'number'],
                     ['liste', String(listetaster[ev.key]), 0]);
                return;
            }
            // Enter and Space press the control in focus, as the browser does.
            if ((ev.key === 'Enter' || ev.key === ' ') && ev.target.matches &&
                ev.target.matches('button, input, select, a[href]')) return;
            const endring = (ev.shiftKey ? 1 : 0) | (ev.ctrlKey ? 2 : 0) | (ev.altKey ? 4 : 0) |
                            (ev.metaKey ? 8 : 0);
            // With Alt a letter goes by its key, whatever character the layout makes of it.
            const tast = ev.altKey && /^Key[A-Z]$/.test(ev.code) ? ev.code.slice(3).toLowerCase()
                                                                 : ev.key;
            const kode = Module.ccall('balvo_tast', 'number', ['string', 'number'],
                                      [tast, endring]);
            if (kode < 0) return;
            ev.preventDefault();
            kall('balvo_tasthandling', ['number'], [kode]);
        });
        // The class overview reads the files chosen in its window or dropped on the page: their
        // names and bytes (up to one past the largest file it reads) go to the program at once.
        function lesfiler(filer) {
            const liste = [...filer];
            if (!liste.length) return;
            const inn = document.getElementById('klassefiler');
            const grense = Number(inn && inn.dataset.grense) || 5242881;
            Promise.all(liste.map(function (f) {
                return f.slice(0, grense).arrayBuffer().then(function (b) {
                    return {navn: f.name, data: new Uint8Array(b)};
                }, function () { return {navn: f.name, data: null}; });
            })).then(function (innfiler) {
                Module.innfiler = innfiler;
                kall('balvo_klikk', ['string', 'string', 'number'], ['klasse', 'les', 0]);
            });
        }
        document.addEventListener('change', function (ev) {
            if (ev.target.id !== 'klassefiler') return;
            lesfiler(ev.target.files);
            ev.target.value = '';
        });
        document.addEventListener('dragover', function (ev) {
            if (ev.dataTransfer && [...ev.dataTransfer.types].includes('Files')) {
                ev.preventDefault();
                ev.dataTransfer.dropEffect = 'copy';
            }
        });
        document.addEventListener('drop', function (ev) {
            if (!ev.dataTransfer || !ev.dataTransfer.files.length) return;
            ev.preventDefault();
            lesfiler(ev.dataTransfer.files);
        });
        window.addEventListener('resize', function () { Module.ccall('balvo_tilpass', null, [], []); });
        window.addEventListener('beforeprint', function () {
            Module.ccall('balvo_utskrift', null, [], []);
        });
        // The lesson record is printed once; the next print is the worksheet's again.
        window.addEventListener('afterprint', function () {
            delete document.getElementById('utskrift').dataset.oekt;
        });
    }

    window.Module = {
        onRuntimeInitialized: function () {
            fonter.then(function () {
                koble();
                return kall('balvo_start', [], []);
            }).then(function () {
                document.body.dataset.klar = '1';
                document.dispatchEvent(new Event('balvo-klar'));
                const senere = function () { setTimeout(holdfilene, 2000); };
                if (document.readyState === 'complete') senere();
                else window.addEventListener('load', senere);
            }).catch(feil);
        },
        onAbort: feil,
        // The program the page's head began to fetch, compiled while it arrives. Where the
        // server does not call it application/wasm, or the engine cannot compile it as it
        // arrives, it is fetched again and compiled whole.
        instantiateWasm: function (imports, ferdig) {
            const hent = function () { return fetch('balvo.wasm', {credentials: 'same-origin'}); };
            const svar = window.balvoWasm || hent();
            window.balvoWasm = null;
            const helt = function (r) {
                return r.arrayBuffer().then(function (b) {
                    return WebAssembly.instantiate(b, imports);
                });
            };
            const laget = typeof WebAssembly.instantiateStreaming === 'function'
                ? WebAssembly.instantiateStreaming(svar, imports)
                    .catch(function () { return hent().then(helt); })
                : svar.then(helt);
            laget.then(function (r) { ferdig(r.instance, r.module); }, feil);
            return {};
        },
        // What is kept between visits; a browser that keeps nothing (private browsing: every
        // use of localStorage throws) gives nothing back and keeps nothing, silently.
        hent: function (nokkel) {
            try { return localStorage.getItem(nokkel); } catch (e) { return null; }
        },
        behold: function (nokkel, verdi) {
            try { localStorage.setItem(nokkel, verdi); } catch (e) { /* not kept */ }
        },
    };
    const skript = document.createElement('script');
    skript.src = 'balvo.js';
    skript.onerror = feil;
    document.body.appendChild(skript);
})();
