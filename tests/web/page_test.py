"""The browser page as a pupil's browser meets it: opened from disk in headless Chromium.

Checks that nothing leaves the page (every request is the file itself or one of its own data:
addresses) and that the console stays clean, which also catches a violation of the page's policy;
that the module ran (its error report and its announcement reached the page); prints the
accessibility tree as a screen reader gets it and the time to the first paint; saves a screenshot.

Run by hand:  /usr/bin/python3 tests/web/page_test.py [build-web/palettra.html] [--runs 5]
"""
import argparse
import json
import statistics
import sys
import time
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By


def open_browser(scale):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--window-size=1366,800",
                     f"--force-device-scale-factor={scale}"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def wait_for(driver, script, timeout=10):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = driver.execute_script(script)
        if result:
            return result
        time.sleep(0.02)
    raise AssertionError(f"timed out waiting for: {script}")


def requests_sent(driver):
    for entry in driver.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            yield message["params"]["request"]["url"]


# Milliseconds from the start of the load: any pixel of the page, its first text, the module started.
MILESTONES = ("first-paint", "first-contentful-paint", "palettra-started")


def timings(driver):
    return driver.execute_script(
        "return arguments[0].map((name) => performance.getEntriesByName(name)[0].startTime)", MILESTONES)


def accessibility_tree(driver):
    nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    by_id = {node["nodeId"]: node for node in nodes}
    lines = []

    def field(node, key):
        return (node.get(key) or {}).get("value", "")

    def walk(node, depth):
        role = field(node, "role")
        live = any(p["name"] == "live" for p in node.get("properties", []))
        shown = not node.get("ignored") and (live or role not in ("none", "generic", "InlineTextBox"))
        if shown:
            parts = [role, repr(field(node, "name"))]
            parts += [f"{key}={field(node, key)!r}" for key in ("value", "description") if field(node, key)]
            parts += [f"{p['name']}={p['value'].get('value')!r}" for p in node.get("properties", [])
                      if p["name"] in ("live", "valuemin", "valuemax", "valuetext", "focusable", "modal")]
            lines.append("  " * depth + " ".join(parts))
        for child in node.get("childIds", []):
            if child in by_id:
                walk(by_id[child], depth + shown)

    walk(nodes[0], 0)
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("page", nargs="?", default="build-web/palettra.html")
    parser.add_argument("--runs", type=int, default=1, help="loads to time; the median is printed")
    parser.add_argument("--scale", default="1", help="the screen's device pixel ratio")
    parser.add_argument("--out", default="build-web/page-test", help="folder for the screenshot and the tree")
    arguments = parser.parse_args()
    page = Path(arguments.page).resolve()
    out = Path(arguments.out)
    out.mkdir(parents=True, exist_ok=True)
    results = []

    def check(condition, what):
        print(("ok    " if condition else "FAIL  ") + what)
        results.append(condition)

    driver = open_browser(arguments.scale)
    try:
        runs = []
        for _ in range(arguments.runs):
            driver.get(page.as_uri())
            for name in MILESTONES:
                wait_for(driver, f"return performance.getEntriesByName('{name}').length")
            runs.append(timings(driver))
        print(f"page: {page.stat().st_size} bytes")
        for name, times in zip(MILESTONES, zip(*runs)):
            print(f"{name}: median {statistics.median(times):.0f} ms of {len(times)} "
                  f"({', '.join(f'{ms:.0f}' for ms in times)})")

        foreign = [url for url in requests_sent(driver) if url != page.as_uri() and not url.startswith("data:")]
        check(not foreign, f"no request leaves the page {foreign or ''}")
        errors = [entry["message"] for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
        check(not errors, f"no errors in the console {errors or ''}")

        message = driver.execute_script("return document.getElementById('message-text').textContent")
        check("'6'" in message and "(Overflow)" in message, "the module's run-time error is reported in the page")
        check(driver.execute_script("return document.fonts.check('24px \"Palettra Label\"', '進')"),
              "the label font is embedded")

        tree = accessibility_tree(driver)
        (out / "accessibility.txt").write_text("\n".join(tree) + "\n", encoding="utf-8")
        check(any("dialog '実行時エラー (Run-time error)'" in line for line in tree),
              "the error report is a dialog named by its title")
        # The report is modal, so the page's own live region is out of reach and the report's speaks.
        regions = [index for index, line in enumerate(tree) if "live='polite'" in line]
        check(any(line.strip() == "StaticText '(255,128,0)、橙 (orange)'" for index in regions
                  for line in tree[index + 1:index + 2]),
              "the module's announcement is in a live region a screen reader can reach")
        driver.save_screenshot(str(out / "page.png"))
        driver.find_element(By.ID, "message-ok").click()
        check(not driver.execute_script("return document.getElementById('message').open"), "OK closes the report")
        print(f"accessibility tree and screenshot in {out}/")
    finally:
        driver.quit()

    failed = results.count(False)
    print(f"{len(results) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
