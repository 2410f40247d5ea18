#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lighthouse's scores for the web edition in its mobile preset, against headless Chromium: the
# built folder served on localhost as the README tells a school's server (compressed, kept by
# the browser). A benchmark, not a test: installs npm's lighthouse@12.2.3 once into
# build-web/lighthouse (the only thing fetched from npm; the tests never need it).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-web/nett/index.html ] || { cmake --preset web && cmake --build --preset web; }
lh=build-web/lighthouse
if [ ! -x "$lh/node_modules/.bin/lighthouse" ]; then
    npm install --prefix "$lh" --no-audit --no-fund lighthouse@12.2.3
fi
port=${PORT:-8431}
/usr/bin/python3 - build-web/nett "$port" <<'PY' &
import functools, gzip, http.server, io, os, sys
mappe, port = sys.argv[1], int(sys.argv[2])
PAKK = (".html", ".css", ".js", ".wasm", ".webmanifest")
# Compressed before the first request, as a server that keeps its files compressed.
pakket = {}
for rot, _, filer in os.walk(mappe):
    for navn in filer:
        if navn.endswith(PAKK):
            sti = os.path.join(rot, navn)
            pakket[os.path.realpath(sti)] = gzip.compress(open(sti, "rb").read(), 9)
class H(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".woff2": "font/woff2", ".js": "text/javascript"}
    def log_message(self, *a): pass
    def end_headers(self):
        sti = self.path.split("?")[0]
        fersk = sti in ("/", "/index.html", "/sw.js")
        self.send_header("Cache-Control", "no-cache" if fersk else "max-age=86400")
        super().end_headers()
    def send_head(self):
        sti = self.translate_path(self.path)
        if sti.endswith("/"): sti += "index.html"
        if not sti.endswith(PAKK) or "gzip" not in self.headers.get("Accept-Encoding", ""):
            return super().send_head()
        data = pakket.get(os.path.realpath(sti))
        if data is None:
            return super().send_head()
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(sti))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        return io.BytesIO(data)
http.server.ThreadingHTTPServer(("127.0.0.1", port),
                                functools.partial(H, directory=mappe)).serve_forever()
PY
tjener=$!
trap 'kill $tjener' EXIT
sleep 1
ut=$(mktemp --suffix=.json)
CHROME_PATH=/usr/bin/chromium "$lh/node_modules/.bin/lighthouse" "http://127.0.0.1:$port/" \
    --quiet --output=json --output-path="$ut" --only-categories=performance,accessibility,best-practices \
    --chrome-flags="--headless=new --no-sandbox --disable-gpu" >/dev/null
/usr/bin/python3 - "$ut" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))
for k, c in r["categories"].items():
    print("%-15s %3d" % (c["title"], round(c["score"] * 100)))
for a in ("first-contentful-paint", "largest-contentful-paint", "total-blocking-time",
          "speed-index", "cumulative-layout-shift"):
    print("  %-26s %s" % (r["audits"][a]["title"], r["audits"][a]["displayValue"]))
for a in r["audits"].values():
    if a.get("score") is not None and a["score"] < 1 and a.get("scoreDisplayMode") == "binary":
        print("  not passed: " + a["title"])
PY
[ -n "${LIGHTHOUSE_JSON:-}" ] && cp "$ut" "$LIGHTHOUSE_JSON"
rm -f "$ut"
