// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Balvo in the page: checks for WebAssembly, waits for the fonts and the program, and
// hands every click and key to it. Everything the program decides happens in balvo.wasm.
(function () {
    'use strict';

    if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
        document.getElementById('ingenwasm').hidden = false;
        return;
    }
    if ('serviceWorker' in navigator && location.protocol !== 'file:') {
        navigator.serviceWorker.register('sw.js').catch(function () {});
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

    function lukkMenyer(unntatt) {
        document.querySelectorAll('.menyknapp[aria-expanded=true]').forEach(function (k) {
            if (k === unntatt) return;
            k.setAttribute('aria-expanded', 'false');
            k.nextElementSibling.hidden = true;
        });
    }

    function koble() {
        document.addEventListener('click', function (ev) {
            const meny = ev.target.closest('.menyknapp');
            if (meny) {
                lukkMenyer(meny);
                const aapen = meny.getAttribute('aria-expanded') !== 'true';
                meny.setAttribute('aria-expanded', String(aapen));
                meny.nextElementSibling.hidden = !aapen;
                if (aapen) meny.nextElementSibling.querySelector('button').focus();
                return;
            }
            lukkMenyer(null);
            const e = ev.target.closest('[data-h]');
            if (!e || e.disabled || e.tagName === 'FORM') return;
            kall('balvo_klikk', ['string', 'string', 'number'],
                 [e.dataset.h, e.dataset.n || '', e.checked ? 1 : 0]);
        });
        document.addEventListener('submit', function (ev) {
            // A message box's form closes its dialog itself.
            if (!ev.target.dataset.h) return;
            ev.preventDefault();
            kall('balvo_klikk', ['string', 'string', 'number'], [ev.target.dataset.h, '', 0]);
        });
        document.addEventListener('keydown', function (ev) {
            // A message box takes the keys itself.
            if (document.querySelector('dialog.modal[open]')) return;
            const vindu = ev.target.closest && ev.target.closest('dialog');
            if (vindu) {
                if (ev.key === 'Escape') {
                    ev.preventDefault();
                    kall('balvo_klikk', ['string', 'string', 'number'], ['lukk', vindu.id, 0]);
                }
                return;
            }
            const aapen = document.querySelector('.menyknapp[aria-expanded=true]');
            if (aapen) {
                if (ev.key === 'Escape') { lukkMenyer(null); aapen.focus(); }
                return;
            }
            const endring = (ev.shiftKey ? 1 : 0) | (ev.ctrlKey ? 2 : 0) | (ev.altKey ? 4 : 0) |
                            (ev.metaKey ? 8 : 0);
            const kode = Module.ccall('balvo_tast', 'number', ['string', 'number'],
                                      [ev.key, endring]);
            if (kode < 0) return;
            ev.preventDefault();
            kall('balvo_tasthandling', ['number'], [kode]);
        });
        window.addEventListener('resize', function () { Module.ccall('balvo_tilpass', null, [], []); });
        window.addEventListener('beforeprint', function () {
            Module.ccall('balvo_utskrift', null, [], []);
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
            }).catch(feil);
        },
        onAbort: feil,
    };
    const skript = document.createElement('script');
    skript.src = 'balvo.js';
    skript.onerror = feil;
    document.body.appendChild(skript);
})();
