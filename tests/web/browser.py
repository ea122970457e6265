"""Debian's Chromium, headless, driven over WebDriver: what the page's test, its benchmark and its
picture share."""
import json
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def open_browser(scale="1", width=1366, height=800):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    # As root Chromium runs only without its sandbox.
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", f"--window-size={width},{height}",
                     f"--force-device-scale-factor={scale}", "--hide-scrollbars"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def wait_for(driver, script, *arguments, timeout=10):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = driver.execute_script(script, *arguments)
        if result:
            return result
        time.sleep(0.02)
    raise AssertionError(f"timed out waiting for: {script}")


def load(driver, page):
    """Opens the page from disk and waits until the program has started."""
    driver.get(page.as_uri())
    wait_for(driver, "return performance.getEntriesByName('palettra-started').length")


def requests_sent(driver):
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            yield message["params"]["request"]["url"]
