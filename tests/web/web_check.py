#!/usr/bin/python3
"""The browser pass: resonix's static folder, served on localhost, driven in
headless Chromium as a user drives it, through Chromium's own input (the
DevTools protocol, by way of selenium and chromedriver).

    web_check.py SITE_URL LINUX_TEXTS EXAMPLES SCREENSHOTS

SITE_URL is the served folder; LINUX_TEXTS what the Linux build shows for
random inputs (resonix_texts_on_linux); EXAMPLES the worked examples of the
Windows pass (tests/windows/calculator_windows.h), read from there; pictures
of every window at 1x and 2x go to SCREENSHOTS. Prints each failure and
ends with status 1 if there was any.
"""

import base64
import json
import re
import sys
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from headless_chromium import start_chromium

MAIN = 'SDOF System Natural Frequency,  version 2.1'
ABOUT = 'About resonix'
ADDRESS = 'https://resonix.example.org/'
IDOK, IDCANCEL, IDC_MOTION_LIST, IDC_WEBLINK = 1, 2, 1000, 1001

# The calculators' controls, by template id (res/resource.h).
CALCULATORS = {
    'T': dict(title='Translation', motion=1, analysis=1002, input1=1009, input2=1010, units1=1011, units2=1012,
              results=1024, title_field=1028, deflection=1029),
    'R': dict(title='Rotation', motion=0, analysis=1004, input1=1017, input2=1019, units1=1018, units2=1020,
              results=1021, title_field=1027, deflection=None),
}

# What a screen reader is told of each control, from the accessibility tree
# that Chromium builds: (template id, role, name, description). Worked out
# by hand from the windows as a sighted user reads them.
ACCESSIBLE = {
    MAIN: [
        (IDOK, 'button', 'Visit Web Site', ''),
        (IDCANCEL, 'button', 'Exit', ''),
        (IDC_MOTION_LIST, 'listbox', 'Select Motion', ''),
    ],
    ABOUT: [
        (IDOK, 'button', 'Return', ''),
        (IDC_WEBLINK, 'link', 'Click here to visit the resonix web site for news.', ''),
    ],
    'Translation': [
        (IDOK, 'button', 'Calculate', ''),
        (IDCANCEL, 'button', 'Return', ''),
        (1002, 'listbox', 'Select Analysis', 'Calculate'),
        (1007, 'textbox', 'Mass', ''),
        (1008, 'textbox', 'Stiffness', ''),
        (1009, 'textbox', 'Mass', ''),
        (1010, 'textbox', 'Stiffness', ''),
        (1011, 'listbox', 'Input Data', 'Mass'),
        (1012, 'listbox', 'Input Data', 'Stiffness'),
        (1024, 'textbox', 'Natural Frequency', ''),
        (1028, 'textbox', 'Natural Frequency', ''),
        (1029, 'textbox', 'Static Deflection at 1 G', ''),
    ],
    'Rotation': [
        (IDOK, 'button', 'Calculate', ''),
        (IDCANCEL, 'button', 'Return', ''),
        (1004, 'listbox', 'Select Analysis', 'Calculate'),
        (1015, 'textbox', 'Polar Moment of Inertia', ''),
        (1016, 'textbox', 'Torsional stiffness', ''),
        (1017, 'textbox', 'Polar Moment of Inertia', ''),
        (1019, 'textbox', 'Torsional stiffness', ''),
        (1018, 'listbox', 'Input Data', 'Polar Moment of Inertia'),
        (1020, 'listbox', 'Input Data', 'Torsional stiffness'),
        (1021, 'textbox', 'Natural Frequency', ''),
        (1027, 'textbox', 'Natural Frequency', ''),
    ],
}

# Reads the page as a user sees it: windows by their captions, controls by
# their template ids, texts as the window system holds them ("\r\n").
PAGE_HELPERS = r"""
window.check = {
  window: caption => [...document.querySelectorAll('.rx-window')].find(w => !w.hidden && w.querySelector('.rx-caption').textContent === caption) || null,
  control: (caption, id) => { const w = check.window(caption); return w && w.querySelector(`[data-id="${id}"]`); },
  text: element => {
    if (!element) return null;
    if (element.tagName === 'TEXTAREA') return element.value.replace(/\n/g, '\r\n');
    if (element.tagName === 'INPUT') return element.value;
    if (element.tagName === 'FIELDSET') return element.firstChild.textContent;
    return element.textContent;
  },
  shown: element => !!element && !element.closest('[hidden]') && element.getClientRects().length > 0,
  windows: () => [...document.querySelectorAll('.rx-window')].filter(w => !w.hidden).map(w => ({
    caption: w.querySelector('.rx-caption').textContent, inert: w.inert, active: w.classList.contains('rx-active') })),
  focused: () => { const e = document.activeElement; return e && e.dataset.id ? Number(e.dataset.id) : null; },
};
"""


class Check:
    def __init__(self, site, screenshots):
        self.site = site
        self.screenshots = screenshots
        self.failures = []
        self.case = ''
        self.driver = start_chromium(network_log=True)
        self.driver.set_script_timeout(10)

    # --- Reporting ---------------------------------------------------------
    def begin(self, case):
        self.case = case
        print('== ' + case, flush=True)

    def expect(self, condition, what):
        if not condition:
            self.failures.append(f'{self.case}: {what}')
            print(f'   FAILED: {what}', flush=True)
        return condition

    def expect_equal(self, actual, expected, what):
        return self.expect(actual == expected, f'{what}: {actual!r}, expected {expected!r}')

    # --- The page ------------------------------------------------------------
    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def cdp(self, command, arguments=None):
        return self.driver.execute_cdp_cmd(command, arguments or {})

    def scale(self, factor):
        self.cdp('Emulation.setDeviceMetricsOverride', {'width': 1100, 'height': 800, 'deviceScaleFactor': factor, 'mobile': False})

    def load(self):
        self.driver.get(self.site)
        self.js(PAGE_HELPERS)
        return self.soon(lambda: self.window(MAIN), 'the main window opens', 20)

    def soon(self, condition, what, seconds=5):
        end = time.time() + seconds
        while True:
            value = condition()
            if value or time.time() > end:
                return self.expect(value, what)
            time.sleep(0.02)

    def window(self, caption):
        return self.js('return check.window(arguments[0])', caption)

    def control(self, caption, control_id):
        return self.js('return check.control(arguments[0], arguments[1])', caption, control_id)

    def text(self, caption, control_id):
        return self.js('return check.text(check.control(arguments[0], arguments[1]))', caption, control_id)

    def shown(self, caption, control_id):
        return self.js('return check.shown(check.control(arguments[0], arguments[1]))', caption, control_id)

    def items(self, caption, list_id):
        return self.js('const l = check.control(arguments[0], arguments[1]); return l ? [...l.options].map(o => o.text) : null',
                       caption, list_id)

    def selection(self, caption, list_id):
        return self.js('const l = check.control(arguments[0], arguments[1]); return l ? l.selectedIndex : null', caption, list_id)

    def focused(self):
        return self.js('return check.focused()')

    def windows(self):
        return self.js('return check.windows()')

    # --- The user ----------------------------------------------------------------
    def click(self, element):
        ActionChains(self.driver).move_to_element(element).click().perform()

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def choose(self, caption, list_id, index):
        option = self.js('return check.control(arguments[0], arguments[1]).options[arguments[2]]', caption, list_id, index)
        if not self.expect(option is not None, f'list {list_id} has an item {index}'):
            return
        self.click(option)
        self.soon(lambda: self.selection(caption, list_id) == index, f'list {list_id} shows item {index} chosen')

    def choose_text(self, caption, list_id, text):
        items = self.items(caption, list_id) or []
        if self.expect(text in items, f'list {list_id} holds {text!r}'):
            self.choose(caption, list_id, items.index(text))

    def type_into(self, caption, control_id, text):
        edit = self.control(caption, control_id)
        self.click(edit)
        self.expect_equal(self.focused(), control_id, 'a click puts the focus in the edit')
        # Replaces what is there, as a user selecting it all would.
        self.chord(Keys.CONTROL, 'a')
        self.keys(text)
        self.soon(lambda: self.text(caption, control_id) == text, f'typed {text!r} into {control_id}')

    def open_calculator(self, key):
        c = CALCULATORS[key]
        self.choose(MAIN, IDC_MOTION_LIST, c['motion'])
        if not self.soon(lambda: self.window(c['title']), c['title'] + ' window opens'):
            return False
        self.expect([w['inert'] for w in self.windows() if w['caption'] == MAIN] == [True], 'the main window takes no input under it')
        self.expect_equal(self.selection(c['title'], c['analysis']), -1, 'no analysis chosen on opening')
        return True

    def close_calculator(self, key, by_escape):
        c = CALCULATORS[key]
        if by_escape:
            self.keys(Keys.ESCAPE)
        else:
            self.click(self.control(c['title'], IDCANCEL))
        self.soon(lambda: not self.window(c['title']), c['title'] + ' closes by ' + ('Escape' if by_escape else '"Return"'))
        self.expect_equal(self.items(MAIN, IDC_MOTION_LIST), ['Rotation', 'Translation'], 'motion list refilled')
        self.expect_equal(self.selection(MAIN, IDC_MOTION_LIST), -1, 'motion list without selection')

    def calculate(self, key, analysis, unit1, unit2, input1, input2, by_enter):
        c = CALCULATORS[key]
        caption = c['title']
        self.choose(caption, c['analysis'], analysis)
        if isinstance(unit1, int):
            self.choose(caption, c['units1'], unit1)
            self.choose(caption, c['units2'], unit2)
        else:
            self.choose_text(caption, c['units1'], unit1)
            self.choose_text(caption, c['units2'], unit2)
        self.type_into(caption, c['input1'], input1)
        self.type_into(caption, c['input2'], input2)
        if by_enter:
            self.keys(Keys.ENTER)
        else:
            self.click(self.control(caption, IDOK))

    def shown_texts(self, key):
        c = CALCULATORS[key]
        caption = c['title']
        deflection = '-'
        if c['deflection'] and self.shown(caption, c['deflection']):
            deflection = self.text(caption, c['deflection'])
        return [self.text(caption, c['input1']), self.text(caption, c['input2']), self.text(caption, c['title_field']),
                self.text(caption, c['results']), deflection]

    # --- What Chromium tells a screen reader -----------------------------------------
    def accessible(self, caption, control_id):
        element = self.control(caption, control_id)
        if element is None:
            return None
        node = self.cdp('DOM.describeNode', {'objectId': self.object_id(element)})['node']
        tree = self.cdp('Accessibility.getPartialAXTree', {'backendNodeId': node['backendNodeId'], 'fetchRelatives': False})
        ax = tree['nodes'][0]
        value = lambda field: (ax.get(field) or {}).get('value', '')
        return (value('role'), value('name'), value('description'))

    def ax_node(self, expression):
        """What Chromium tells a screen reader of the element `expression` gives."""
        found = self.cdp('Runtime.evaluate', {'expression': expression})['result']
        if 'objectId' not in found:
            return None
        node = self.cdp('DOM.describeNode', {'objectId': found['objectId']})['node']
        return self.cdp('Accessibility.getPartialAXTree', {'backendNodeId': node['backendNodeId'], 'fetchRelatives': False})['nodes'][0]

    def object_id(self, element):
        result = self.cdp('Runtime.evaluate', {'expression': f'document.querySelector(\'[data-control="{element.get_attribute("data-control")}"]\')'})
        return result['result']['objectId']

    def check_accessible(self, caption):
        self.cdp('Accessibility.enable')
        for control_id, role, name, description in ACCESSIBLE[caption]:
            self.expect_equal(self.accessible(caption, control_id), (role, name, description),
                              f'{caption}: control {control_id} as a screen reader hears it')
        dialog = self.window(caption)
        node = self.cdp('DOM.describeNode', {'objectId': self.cdp('Runtime.evaluate', {
            'expression': f'check.window({json.dumps(caption)})'})['result']['objectId']})['node']
        ax = self.cdp('Accessibility.getPartialAXTree', {'backendNodeId': node['backendNodeId'], 'fetchRelatives': False})['nodes'][0]
        self.expect(dialog is not None and ax['role']['value'] == 'dialog' and ax['name']['value'] == ' '.join(caption.split()),
                    f'the window is a dialog named {caption!r}: {ax["role"]["value"]} {ax.get("name", {}).get("value")!r}')

    # --- Pictures ------------------------------------------------------------------------
    def picture(self, caption, name):
        # The pointer off the window, which would show where it rests.
        self.cdp('Input.dispatchMouseEvent', {'type': 'mouseMoved', 'x': 1, 'y': 1})
        for factor in (1, 2):
            self.scale(factor)
            time.sleep(0.2)
            box = self.js('const r = check.window(arguments[0]).getBoundingClientRect(); return [r.left, r.top, r.width, r.height]', caption)
            # The frame's shadow with it.
            clip = {'x': max(0, box[0] - 4), 'y': max(0, box[1] - 4), 'width': box[2] + 8, 'height': box[3] + 10, 'scale': 1}
            shot = self.cdp('Page.captureScreenshot', {'format': 'png', 'clip': clip, 'captureBeyondViewport': True})
            data = base64.b64decode(shot['data'])
            path = f'{self.screenshots}/web-{name}-{factor}x.png'
            with open(path, 'wb') as out:
                out.write(data)
            width = int.from_bytes(data[16:20], 'big')
            self.expect(abs(width - clip['width'] * factor) <= 2, f'{path} is {width} pixels wide at {factor}x')
        self.scale(1)
        time.sleep(0.2)

    # --- Network and CPU ---------------------------------------------------------------------
    def requests(self):
        sent = []
        for entry in self.driver.get_log('performance'):
            message = json.loads(entry['message'])['message']
            if message['method'] == 'Network.requestWillBeSent':
                sent.append(message['params']['request']['url'])
        return sent

    def script_time(self):
        metrics = {m['name']: m['value'] for m in self.cdp('Performance.getMetrics')['metrics']}
        return metrics['ScriptDuration'] + metrics['TaskDuration']


def read_examples(header):
    """The worked examples of tests/windows/calculator_windows.h, as rows of
    (calculator, analysis, input1, unit1, input2, unit2, echo1, echo2, title,
    results, result line, deflection)."""
    source = open(header, encoding='utf-8').read()
    body = source[source.index('kExamples[] = {'):]
    body = body[body.index('{') + 1:body.index('\n};')]
    rows = []
    for entry in re.findall(r'\{(&k\w+,.*?)\},?\s*(?=\{&k|\Z|//)', body, re.S):
        values = []
        for token in re.finditer(r'&k(\w+)|(-?\d+)(?=\s*,)|nullptr|((?:L"(?:[^"\\]|\\.)*"\s*)+)', entry):
            if token.group(1):
                values.append('T' if token.group(1) == 'Translation' else 'R')
            elif token.group(2):
                values.append(int(token.group(2)))
            elif token.group(3):
                strings = re.findall(r'L"((?:[^"\\]|\\.)*)"', token.group(3))
                values.append(''.join(s.encode().decode('unicode_escape') for s in strings))
            else:
                values.append(None)
        rows.append(values)
    return rows


def unescaped(field):
    return field.replace('\\\\', '\0').replace('\\r', '\r').replace('\\n', '\n').replace('\0', '\\')


def main():
    site, linux_texts, examples_header, screenshots = sys.argv[1:5]
    check = Check(site, screenshots)
    driver = check.driver
    try:
        run(check, linux_texts, examples_header)
    finally:
        for entry in driver.get_log('browser'):
            if entry['level'] == 'SEVERE':
                check.failures.append('the page reported an error: ' + entry['message'])
                print('   page error: ' + entry['message'], flush=True)
        driver.quit()
    if check.failures:
        print(f'web check: {len(check.failures)} failures', file=sys.stderr)
        for failure in check.failures:
            print('  ' + failure, file=sys.stderr)
        return 1
    return 0


def run(check, linux_texts, examples_header):
    check.begin('the page loads and shows the main window')
    if not check.load():
        return
    check.expect(check.js("return performance.getEntriesByName('resonix-first-paint').length === 1"), 'the first paint is marked')
    check.expect_equal(check.items(MAIN, IDC_MOTION_LIST), ['Rotation', 'Translation'], 'motion list: Rotation above Translation')
    check.expect_equal(check.selection(MAIN, IDC_MOTION_LIST), -1, 'nothing selected at start')
    check.expect_equal(check.focused(), IDOK, 'focus on "Visit Web Site" at start')
    check.expect_equal(check.text(MAIN, IDOK), 'Visit Web Site', 'default button')
    # The browser says a title, as any name, with single blanks.
    check.expect_equal(check.js('return document.title'), ' '.join(MAIN.split()), "the page's title")
    check.check_accessible(MAIN)
    # Loading is done once the browser has fetched what the page names: from
    # here on, nothing more is fetched.
    time.sleep(1)
    loaded = check.requests()
    check.expect(any(url.endswith('/resonix.wasm') for url in loaded), 'resonix.wasm was fetched while loading')

    check.begin('an idle page runs no script')
    check.cdp('Performance.enable', {'timeDomain': 'threadTicks'})
    before = check.script_time()
    time.sleep(2)
    idle = check.script_time() - before
    check.expect(idle < 0.005, f'{idle * 1000:.1f} ms of script and tasks in 2 s of waiting')

    check.begin('Tab, Shift+Tab and the arrows in the main window')
    seen = [check.focused()]
    for _ in range(3):
        check.keys(Keys.TAB)
        seen.append(check.focused())
    check.expect_equal(seen, [IDOK, IDCANCEL, IDC_MOTION_LIST, IDOK], 'Tab goes round the tab stops in template order')
    check.chord(Keys.SHIFT, Keys.TAB)
    check.expect_equal(check.focused(), IDC_MOTION_LIST, 'Shift+Tab goes back')
    # The arrows choose in a list: the calculator opens at once.
    check.keys(Keys.DOWN)
    check.soon(lambda: check.window('Rotation'), 'Down in the motion list opens Rotation')
    check.keys(Keys.ESCAPE)
    check.soon(lambda: not check.window('Rotation'), 'Escape closes Rotation')
    check.expect_equal(check.focused(), IDC_MOTION_LIST, 'the focus is back in the motion list')

    examples = read_examples(examples_header)
    check.begin(f'worked examples ({len(examples)}, from {examples_header})')
    check.expect(len(examples) >= 6, 'the examples are read')
    row = 0
    by_escape = False
    while row < len(examples):
        key = examples[row][0]
        if not check.open_calculator(key):
            return
        while row < len(examples) and examples[row][0] == key:
            (_, analysis, input1, unit1, input2, unit2, echo1, echo2, title, results, line, deflection) = examples[row]
            check.begin(f'{CALCULATORS[key]["title"]} example {row + 1} ({input1!r}, {input2!r})')
            check.calculate(key, analysis, unit1, unit2, input1, input2, row % 2 == 1)
            shown = check.shown_texts(key)
            check.expect_equal(shown[0], echo1, 'echo of input 1')
            check.expect_equal(shown[1], echo2, 'echo of input 2')
            check.expect_equal(shown[2], title, 'results title')
            if results is not None:
                check.expect_equal(shown[3], results, 'results')
            else:
                check.expect(line in shown[3], f'results hold {line!r}: {shown[3]!r}')
            if CALCULATORS[key]['deflection']:
                check.expect_equal(shown[4], deflection if deflection is not None else '-', 'deflection')
            row += 1
        caption = CALCULATORS[key]['title']
        check.begin(f'{caption}: names for screen readers, the pictures, copying the results')
        # Back to the first analysis, which names the results as the table says.
        first = examples[[r[0] for r in examples].index(key)]
        check.calculate(key, first[1], first[3], first[5], first[2], first[4], True)
        check.check_accessible(caption)
        said = check.ax_node("document.querySelector('#announcement p')")
        check.expect('Natural Frequency: ' in check.js("return document.getElementById('announcement').textContent") and
                     said is not None and not said.get('ignored'),
                     f'Calculate says its results to a screen reader, where it can hear them: {said}')
        region = check.ax_node("document.getElementById('announcement')")
        check.expect(region and any(p['name'] == 'live' and p['value']['value'] == 'polite' for p in region.get('properties', [])),
                     'the announcements are a polite live region')
        check.picture(caption, caption.lower())
        results = check.control(caption, CALCULATORS[key]['results'])
        check.click(results)
        check.chord(Keys.CONTROL, 'a')
        check.chord(Keys.CONTROL, 'c')
        check.cdp('Browser.grantPermissions', {'permissions': ['clipboardReadWrite', 'clipboardSanitizedWrite']})
        copied = check.driver.execute_async_script('navigator.clipboard.readText().then(arguments[0], e => arguments[0]("" + e))')
        check.expect_equal(copied.replace('\r\n', '\n'), check.text(caption, CALCULATORS[key]['results']).replace('\r\n', '\n'),
                           'Ctrl+A, Ctrl+C in the results copies them')
        check.close_calculator(key, by_escape)
        by_escape = not by_escape

    check.begin('random inputs: the texts of the Linux build')
    cases = [[unescaped(field) for field in line.rstrip('\n').split('\t')] for line in open(linux_texts) if line.strip()]
    check.expect(len(cases) > 0, 'cases read from ' + linux_texts)
    row = 0
    while row < len(cases):
        key = cases[row][0]
        if not check.open_calculator(key):
            return
        while row < len(cases) and cases[row][0] == key:
            f = cases[row]
            check.begin(f'{CALCULATORS[key]["title"]} random case {row + 1} ({f[4]!r}, {f[5]!r})')
            check.calculate(key, int(f[1]), int(f[2]), int(f[3]), f[4], f[5], row % 2 == 0)
            shown = check.shown_texts(key)
            for index, what in enumerate(['echo of input 1', 'echo of input 2', 'results title', 'results']):
                check.expect_equal(shown[index], f[6 + index], what)
            if CALCULATORS[key]['deflection'] and f[10] != '-':
                check.expect_equal(shown[4], f[10], 'deflection')
            row += 1
        check.close_calculator(key, True)

    check.begin('the browser keeps its own keys')
    for control_id in (IDOK, IDC_MOTION_LIST):
        for key, modifiers in (('l', {'ctrlKey': True}), ('t', {'ctrlKey': True}), ('F5', {}), ('+', {'ctrlKey': True}),
                               ('ArrowLeft', {'altKey': True})):
            prevented = check.js('''const e = new KeyboardEvent('keydown', Object.assign({key: arguments[1], bubbles: true, cancelable: true}, arguments[2]));
                                    check.control(arguments[3], arguments[0]).dispatchEvent(e); return e.defaultPrevented''',
                                 control_id, key, modifiers, MAIN)
            check.expect(not prevented, f'{key} {modifiers} on control {control_id} is left to the browser')

    check.begin('the system menu: Alt+Space and the About entry by its mnemonic')
    check.chord(Keys.ALT, ' ')
    menu = check.js("return [...document.querySelectorAll('.rx-menu [role=menuitem]')].map(e => e.textContent)")
    check.expect(menu and menu[-1] == 'About resonix...', f'the system menu ends with "About resonix...": {menu}')
    check.keys('a')
    if check.soon(lambda: check.window(ABOUT), 'the About box opens'):
        about_box(check)
    check.expect(check.window(MAIN) and not check.window(ABOUT), 'the main window stays open')

    check.begin('nothing was fetched after loading')
    late = [url for url in check.requests() if not url.startswith('data:')]
    check.expect(not late, f'requests after loading: {late}')

    check.begin('the link opens its address in a new tab')
    check.click(check.control(MAIN, IDOK))
    if check.soon(lambda: check.window(ABOUT), 'the About box opens by "Visit Web Site"'):
        page = check.driver.current_window_handle
        check.click(check.control(ABOUT, IDC_WEBLINK))
        opened = lambda: [t for t in check.cdp('Target.getTargets')['targetInfos'] if t['type'] == 'page' and t['url'] == ADDRESS]
        if check.soon(opened, f'a new tab opens for {ADDRESS}'):
            # The program's page in front again: a page behind another paints nothing.
            check.cdp('Target.closeTarget', {'targetId': opened()[0]['targetId']})
        check.driver.switch_to.window(page)
        check.expect(check.window(ABOUT) is not None, 'the About box stays open')
        check.keys(Keys.ESCAPE)
        check.soon(lambda: not check.window(ABOUT), 'Escape closes the About box')

    for way in ('"Exit"', 'the close box', 'Escape'):
        check.begin(f'the program ends by {way}, and starts again')
        if way == '"Exit"':
            check.click(check.control(MAIN, IDCANCEL))
        elif way == 'the close box':
            check.click(check.window(MAIN).find_element('css selector', '.rx-close'))
        else:
            check.keys(Keys.ESCAPE)
        check.soon(lambda: not check.windows(), 'every window closes')
        check.soon(lambda: check.js("return !document.getElementById('ended').hidden"), 'the page says the program has ended')
        check.expect_equal(check.js('return document.activeElement.id'), 'start-again', 'the focus on "Start resonix again"')
        check.keys(Keys.ENTER)
        check.soon(lambda: check.window(MAIN), 'resonix starts again')
        check.expect_equal(check.focused(), IDOK, 'focus on "Visit Web Site" again')
    late = [url for url in check.requests() if not url.startswith('data:')]
    check.expect(not late, f'starting again fetched: {late}')

    check.begin('pictures of the main window')
    check.picture(MAIN, 'main')


def about_box(check):
    check.expect_equal(check.focused(), IDOK, 'focus on "Return"')
    check.expect_equal(check.text(ABOUT, IDC_WEBLINK), 'Click here to visit the resonix web site for news.', 'the link')
    texts = check.js("return [...check.window(arguments[0]).querySelectorAll('.rx-label')].map(e => e.textContent)", ABOUT)
    check.expect_equal(texts[:1], ['resonix Version 2.1'], 'the version, without mnemonics')
    drawn = check.js("const c = check.window(arguments[0]).querySelector('canvas.rx-picture'); return c ? [c.width, c.height] : null", ABOUT)
    check.expect_equal(drawn, [35, 28], 'the picture at its size')
    check.check_accessible(ABOUT)
    check.keys(Keys.TAB)
    check.expect_equal(check.focused(), IDC_WEBLINK, 'the link is the other tab stop')
    check.keys(Keys.TAB)
    check.expect_equal(check.focused(), IDOK, 'and then "Return" again')
    check.picture(ABOUT, 'about')
    check.keys(Keys.ENTER)
    check.soon(lambda: not check.window(ABOUT), 'Enter on "Return" closes the About box')


if __name__ == '__main__':
    sys.exit(main())
