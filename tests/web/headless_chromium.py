"""Debian's Chromium, headless, driven through chromedriver: for the browser
pass (web_check.py) and the browser benchmark (bench/web/web_bench.py)."""

import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# Headless, and quiet: no connections of Chromium's own (updates, sync,
# safe browsing), which a closed network refuses, and a fresh profile.
FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         '--window-size=1100,800']


def start_chromium(network_log=False, extra_flags=()):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in FLAGS + list(extra_flags) + ['--user-data-dir=' + tempfile.mkdtemp(prefix='resonix-chromium-')]:
        options.add_argument(flag)
    if network_log:
        options.set_capability('goog:loggingPrefs', {'performance': 'ALL', 'browser': 'ALL'})
        options.add_experimental_option('perfLoggingPrefs', {'enableNetwork': True, 'enablePage': False})
    else:
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    driver.set_script_timeout(600)
    driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {'width': 1100, 'height': 800, 'deviceScaleFactor': 1, 'mobile': False})
    return driver
