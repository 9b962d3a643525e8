#!/usr/bin/python3
"""The browser benchmark, side by side in one run of headless Chromium:

- from navigation to the main window's first paint: resonix's page against
  the floor, a static page with the same controls (resonix's main window as
  it stands, its HTML taken from the live page) and the same styles;
- opening the Translation window and Calculate: resonix against the same
  controls driven by plain script (plain.js);
- the folder's size, compressed as a web server sends it.

    web_bench.py SITE ROUNDS

SITE is the folder scripts/web_build.sh makes. Prints the medians, their
ratios and the sizes.
"""

import gzip
import http.server
import os
import pathlib
import re
import shutil
import statistics
import sys
import tempfile
import threading
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / 'tests' / 'web'))
from headless_chromium import start_chromium  # noqa: E402

HERE = pathlib.Path(__file__).resolve().parent
MARK = "performance.getEntriesByName('resonix-first-paint')"
# The floor marks its first paint as resonix's page does: once the frame
# that shows the window is on screen.
FLOOR_MARK = ("<script>requestAnimationFrame(function () { setTimeout(function () "
              "{ performance.mark('resonix-first-paint'); }, 0); });</script>")


def serve(root):
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def __init__(self, *args, **kwargs):
            super().__init__(*args, directory=root, **kwargs)

        def log_message(self, *args):
            pass

        # Isolated from other origins, a page reads its clock to 5
        # microseconds instead of 100.
        def end_headers(self):
            self.send_header('Cross-Origin-Opener-Policy', 'same-origin')
            self.send_header('Cross-Origin-Embedder-Policy', 'require-corp')
            super().end_headers()

    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Quiet)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f'http://127.0.0.1:{server.server_address[1]}'


def wait_for(driver, script, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        value = driver.execute_script(script)
        if value:
            return value
        time.sleep(0.01)
    raise RuntimeError('timed out: ' + script)


def capture(driver, base):
    """resonix's main window and its Translation window as it opens, as HTML."""
    driver.get(base + '/site/')
    wait_for(driver, f'return {MARK}.length')
    main = driver.execute_script("return document.querySelector('.rx-window').outerHTML")
    driver.execute_script("""
        const option = document.querySelector('[data-id="1000"]').options[1];
        option.dispatchEvent(new MouseEvent('mousedown', {bubbles: true, cancelable: true, button: 0}));""")
    translation = wait_for(driver, """
        const w = [...document.querySelectorAll('.rx-window')].find(w => w.querySelector('.rx-caption').textContent === 'Translation');
        return w && w.outerHTML""")
    return main, translation


def make_floor(site, floor, main, translation):
    """The floor's pages, beside copies of resonix's icons and manifest."""
    shutil.copytree(site / 'icons', floor / 'icons')
    shutil.copy(site / 'manifest.webmanifest', floor)
    shutil.copy(HERE / 'plain.js', floor)
    page = (site / 'index.html').read_text()
    page = re.sub(r'<meta http-equiv="Content-Security-Policy"[^>]*>\n', '', page)
    page = re.sub(r"<!-- The program.s code.*?</script>\n", "", page, flags=re.S)
    page = page.replace('<main id="desktop" aria-label="resonix"></main>', '<main id="desktop" aria-label="resonix">' + main + '</main>')
    (floor / 'paint.html').write_text(page.replace('</body>', FLOOR_MARK + '\n</body>'))
    template = '<template id="translation-window">' + translation + '</template>'
    (floor / 'plain.html').write_text(page.replace('</body>', template + '\n<script src="plain.js"></script>\n' + FLOOR_MARK + '\n</body>'))


def first_paint(driver, url):
    driver.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})
    driver.get('about:blank')
    driver.get(url)
    return wait_for(driver, f'const m = {MARK}; return m.length && m[0].startTime')


def interaction(driver, url, openings, calculates):
    driver.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': False})
    driver.get(url)
    wait_for(driver, f'return {MARK}.length')
    script = (HERE / 'driver.js').read_text()
    return driver.execute_async_script(script + f'\nresonixBenchmark({openings}, {calculates}).then(arguments[0], e => arguments[0]({{error: "" + e}}));')


def sizes(site):
    rows = []
    for path in sorted(p for p in site.rglob('*') if p.is_file()):
        data = path.read_bytes()
        rows.append((str(path.relative_to(site)), len(data), len(gzip.compress(data, 9))))
    return rows


def median(values):
    return statistics.median(values)


def main():
    site = pathlib.Path(sys.argv[1]).resolve()
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    root = pathlib.Path(tempfile.mkdtemp(prefix='resonix-bench-'))
    os.symlink(site, root / 'site')
    (root / 'floor').mkdir()
    server, base = serve(str(root))
    driver = start_chromium()
    driver.execute_cdp_cmd('Network.enable', {})
    try:
        main_html, translation_html = capture(driver, base)
        make_floor(site, root / 'floor', main_html, translation_html)

        paint = {'resonix': [], 'floor': []}
        for _ in range(rounds * 3):
            paint['resonix'].append(first_paint(driver, base + '/site/'))
            paint['floor'].append(first_paint(driver, base + '/floor/paint.html'))
        times = {'resonix': {'open': [], 'calculate': []}, 'plain script': {'open': [], 'calculate': []}}
        for _ in range(rounds):
            for name, url in (('resonix', base + '/site/'), ('plain script', base + '/floor/plain.html')):
                measured = interaction(driver, url, 10, 5)
                if 'error' in measured:
                    raise RuntimeError(f'{name}: {measured["error"]}')
                for what in ('open', 'calculate'):
                    times[name][what] += measured[what]
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(root)

    r, f = median(paint['resonix']), median(paint['floor'])
    print(f'first paint   resonix {r:7.1f} ms   static page {f:7.1f} ms   ratio {r / f:.2f}   ({len(paint["resonix"])} each, no cache)')
    for what, label in (('open', 'opening'), ('calculate', 'Calculate')):
        r, p = median(times['resonix'][what]), median(times['plain script'][what])
        print(f'{label:<13} resonix {r:7.2f} ms   plain script {p:6.2f} ms   ratio {r / p:.2f}   ({len(times["resonix"][what])} each)')
    rows = sizes(site)
    for name, raw, packed in rows:
        print(f'  {name:<28} {raw:8d} bytes, {packed:7d} gzipped')
    total = sum(packed for _, _, packed in rows)
    print(f'folder        {sum(raw for _, raw, _ in rows) / 1024:.1f} KiB, {total / 1024:.1f} KiB gzipped')


if __name__ == '__main__':
    main()
