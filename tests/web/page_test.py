"""The browser page as a pupil meets it: opened from disk in headless Chromium, every window opened
from the menu and used by keyboard and pointer, then held against the desktop.

Checks captions, scroll bars' values and the commit rule of a dragged thumb, the pictures' pixels
read back from their canvases against the desktop's after the same actions (the reference tool
replays them on the core), names, roles and values in the browser's accessibility tree, the live
region, F1, the zoom keys, a closed window rebuilt, "End" and a restart, that nothing leaves the page
and that the console stays clean.

Usage: page_test.py PAGE --reference REFERENCE_TOOL [--out FOLDER]
Exits 77 (skipped) when there is no page: `make web` builds it.
"""
import argparse
import base64
import json
import subprocess
import sys
from pathlib import Path

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browser import load, open_browser, requests_sent, wait_for

MENU = "メニュー"
# Each tool window: the menu's button that opens it and the window's title.
WINDOWS = {
    "Form2": ("Command1", "RGB → 1677万色"),
    "Form1": ("Command3", "Form1"),
    "Form3": ("Command4", "Form3"),
    "Form4": ("Command5", "Form4"),
    "Form5": ("Command6", "Form5"),
    "Form6": ("Command7", "Form4"),
}
# Pixels of the flask that may differ from the desktop: its curves' outermost pixels, where the
# desktop's painter and the page's sampling part ways.
FLASK_EDGE_PIXELS = 300


class PageTest:
    def __init__(self, driver):
        self.driver = driver
        self.actions = []  # what the core was told, for the reference tool to tell it again
        self.results = []

    def check(self, condition, what):
        print(("ok    " if condition else "FAIL  ") + what)
        self.results.append(bool(condition))

    def script(self, text, *arguments):
        return self.driver.execute_script(text, *arguments)

    # ---- the page's elements, by the layout's names ----

    def window(self, name):
        return self.driver.find_element(By.CSS_SELECTOR, f'.window[data-window="{name}"]')

    def control(self, window, name, index=0):
        return self.window(window).find_element(By.CSS_SELECTOR, f'[data-control="{name}"][data-index="{index}"]')

    def caption(self, window, name, index=0):
        return self.control(window, name, index).text

    def value(self, window, bar, index=0):
        return int(self.control(window, bar, index).get_attribute("aria-valuenow"))

    def announced(self):
        return self.script("return document.getElementById('announcer').textContent").strip()

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    # ---- what a person does, and what the core was told of it ----

    def press(self, window, button, by_key=None):
        element = self.control(window, button)
        if by_key:
            self.focus(element)
            self.keys(by_key)
        else:
            element.click()
        self.actions.append(f"press {window} {button} 0")

    def bar_action(self, window, bar, act):
        """Does `act` to the bar and records the value it committed, if any."""
        before = self.value(window, bar)
        act(self.control(window, bar))
        after = self.value(window, bar)
        if after != before:
            self.actions.append(f"commit {window} {bar} 0 {after}")
        return after

    def focus(self, element):
        """Tab until the element has the focus, as a keyboard user gets there."""
        for _ in range(20):
            if self.script("return document.activeElement === arguments[0]", element):
                return
            self.keys(Keys.TAB)
        raise AssertionError("Tab never reached the control")

    def open(self, window):
        self.press(MENU, WINDOWS[window][0])

    def picture(self, window, name, index=0):
        """The picture's model pixels as the canvas shows them at 100 %: inside its two-pixel border."""
        canvas = self.control(window, name, index)
        encoded = self.script(
            """const canvas = arguments[0];
               const data = canvas.getContext('2d').getImageData(2, 2, canvas.width - 4, canvas.height - 4).data;
               let text = '';
               for (let i = 0; i < data.length; i += 0x8000)
                   text += String.fromCharCode(...data.subarray(i, i + 0x8000));
               return [canvas.width - 4, canvas.height - 4, btoa(text)];""", canvas)
        return encoded[0], encoded[1], base64.b64decode(encoded[2])


def accessibility_tree(driver):
    """Every node a screen reader meets, as (role, name, {property: value}) with its value and
    description among the properties."""
    nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    tree = []
    for node in nodes:
        if node.get("ignored"):
            continue
        properties = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
        for key in ("value", "description"):
            properties[key] = (node.get(key) or {}).get("value")
        tree.append(((node.get("role") or {}).get("value"), (node.get("name") or {}).get("value"), properties))
    return tree


def has_node(tree, role, name, **properties):
    return any(r == role and n == name and all(p.get(k) == v for k, v in properties.items()) for r, n, p in tree)


def open_every_window(test):
    test.check(test.window(MENU).is_displayed(), "the menu is on the page at start")
    for window, (_, title) in WINDOWS.items():
        test.open(window)
        shown = test.window(window)
        test.check(shown.is_displayed() and shown.find_element(By.TAG_NAME, "h2").text == title,
                   f"{window} opens from the menu, titled {title!r}")
    test.open("Form2")
    test.check(len(test.driver.find_elements(By.CSS_SELECTOR, '.window[data-window="Form2"]')) == 1
               and "front" in test.window("Form2").get_attribute("class"),
               "its button again brings the one Form2 to the front")


def use_the_mixer(test):
    test.focus(test.control("Form2", "HScroll1"))
    red = test.bar_action("Form2", "HScroll1", lambda bar: test.keys(Keys.END))
    test.check(red == 255 and test.caption("Form2", "Label2") == "RGB = (255,0,0)"
               and test.caption("Form2", "Label4") == "FF0000", "End takes red to 255 and the captions follow")
    test.check(test.announced().startswith("(255,0,0)、16進数 FF0000、"), "the mix is announced in the live region")

    # A dragged thumb acts only when let go.
    thumb = test.control("Form2", "HScroll2").find_element(By.CLASS_NAME, "thumb")
    drag = ActionChains(test.driver).click_and_hold(thumb).move_by_offset(120, 0)
    drag.perform()
    held = test.value("Form2", "HScroll2") == 0 and test.caption("Form2", "Label2") == "RGB = (255,0,0)"
    green = test.bar_action("Form2", "HScroll2", lambda bar: ActionChains(test.driver).release().perform())
    test.check(held and 0 < green < 255 and test.caption("Form2", "Label2") == f"RGB = (255,{green},0)",
               f"a thumb dragged by the pointer commits when let go, not before ({green})")

    blue = test.bar_action("Form2", "HScroll3", lambda bar: bar.find_element(By.CSS_SELECTOR, ".arrow.more").click())
    test.check(blue == 1 and test.caption("Form2", "Label2") == f"RGB = (255,{green},1)", "an arrow steps by one")


def use_the_tool_windows(test):
    test.open("Form1")
    step = test.bar_action("Form1", "HScroll1", lambda bar: ActionChains(test.driver).move_to_element_with_offset(
        bar, bar.size["width"] // 2 - 30, 0).click().perform())
    test.check(step > 50 and test.caption("Form1", "Label2") == str(step)
               and test.caption("Form1", "Label1") == str(100 - step), f"the track takes a large step ({step})")

    test.open("Form3")
    test.press("Form3", "Command3")
    test.focus(test.control("Form3", "HScroll7"))
    overlap = test.bar_action("Form3", "HScroll7", lambda bar: test.keys(Keys.PAGE_DOWN))
    test.check(overlap > 0 and "重なり (overlap)" in test.announced(), "the overlap is drawn and told")
    test.focus(test.control("Form3", "HScroll1"))
    for _ in range(5):
        test.bar_action("Form3", "HScroll1", lambda bar: test.keys(Keys.ARROW_RIGHT))
    test.press("Form3", "Command1", by_key=Keys.SPACE)

    test.open("Form4")
    test.focus(test.control("Form4", "HScroll4"))
    for _ in range(3):
        test.bar_action("Form4", "HScroll4", lambda bar: test.keys(Keys.ARROW_RIGHT))

    test.open("Form5")
    test.press("Form5", "Command1", by_key=Keys.ENTER)
    test.focus(test.control("Form5", "HScroll1"))
    test.bar_action("Form5", "HScroll1", lambda bar: test.keys(Keys.END))

    test.open("Form6")
    test.press("Form6", "Command1")
    test.focus(test.control("Form6", "HScroll2"))
    test.bar_action("Form6", "HScroll2", lambda bar: test.keys(Keys.PAGE_DOWN))
    test.press("Form6", "Command2", by_key=Keys.ENTER)
    test.check("塗った (painted" in test.announced(), f"the colour change is told ({test.announced()!r})")


def compare_pictures(test, reference):
    run = subprocess.run([reference], input="\n".join(test.actions), capture_output=True, text=True, check=True)
    expected = json.loads(run.stdout)
    for key, picture in sorted(expected.items()):
        window, name, index = key.split("/")
        width, height, shown = test.picture(window, name, int(index))
        wanted = base64.b64decode(picture["rgba"])
        if (width, height) != (picture["width"], picture["height"]):
            test.check(False, f"{key} is {width}x{height}, the desktop's {picture['width']}x{picture['height']}")
            continue
        differing = sum(1 for at in range(0, len(wanted), 4) if shown[at:at + 3] != wanted[at:at + 3])
        allowed = FLASK_EDGE_PIXELS if window == "Form5" else 0
        test.check(differing <= allowed, f"{key}: {differing} of {width * height} pixels differ from the desktop's")


def check_accessibility(test):
    tree = accessibility_tree(test.driver)
    for window, (_, title) in WINDOWS.items():
        test.check(has_node(tree, "dialog", title), f"{window} is a dialog named {title!r}")
    test.check(has_node(tree, "dialog", "メニュー (menu)"), "the menu is named though its title bar is empty")
    # Chromium leaves the tree's value text empty whatever the attribute says, so that is read from the page.
    test.check(has_node(tree, "slider", "赤 (Red)", value=255, valuemin=0, valuemax=255)
               and test.control("Form2", "HScroll1").get_attribute("aria-valuetext") == "255",
               "the red bar is a slider with its name, value, range and value text")
    test.check(has_node(tree, "button", "Draw") and has_node(tree, "button", "End"), "buttons are named by captions")
    # The bars have taken red from 0 to 255 since the swatch was made.
    test.check(any(role == "image" and (p.get("description") or "").startswith("三つのチャンネルを混ぜた色")
                   and "(255," in p["description"] for role, _, p in tree),
               "the swatch is an image described with the colour it shows now")
    test.check(any(p.get("live") == "polite" for _, _, p in tree), "the announcements' live region is there")


def use_keys_of_the_page(test):
    test.open("Form2")
    test.keys(Keys.F1)
    help_text = test.script("return document.getElementById('message').open"
                            " && document.getElementById('message-text').textContent")
    test.check(bool(help_text) and help_text.startswith("Tab で次") and "赤 (Red)" in help_text,
               "F1 shows the window's keyboard help")
    test.keys(Keys.ESCAPE)
    test.check(not test.script("return document.getElementById('message').open"), "Escape closes it")

    client = test.window("Form2").find_element(By.CLASS_NAME, "client")
    width = client.size["width"]
    ActionChains(test.driver).key_down(Keys.CONTROL).send_keys("=").key_up(Keys.CONTROL).perform()
    zoomed = client.size["width"]
    label = test.control("Form2", "Label2").value_of_css_property("font-size")
    ActionChains(test.driver).key_down(Keys.CONTROL).send_keys("0").key_up(Keys.CONTROL).perform()
    test.check(zoomed == round(width * 1.25) and client.size["width"] == width,
               f"Ctrl+= zooms the window a step ({width} to {zoomed}, text {label}), Ctrl+0 back")

    test.script("palettraPage.reportError(6, 'オーバーフローしました。 (Overflow)')")
    report = test.script("return document.getElementById('message-text').textContent")
    test.driver.find_element(By.ID, "message-ok").click()
    step = test.bar_action("Form2", "HScroll3", lambda bar: bar.find_element(By.CSS_SELECTOR, ".arrow.more").click())
    test.check("'6'" in report and step == 2, "a run-time error is reported in the page, and the program goes on")


def close_end_and_restart(test, page):
    test.window("Form2").find_element(By.CLASS_NAME, "close-box").click()
    test.actions.append("close Form2")
    test.check(not test.window("Form2").is_displayed(), "the close box closes the window")
    test.open("Form2")
    test.check(test.caption("Form2", "Label2") == "RGB = (0,0,0)" and test.value("Form2", "HScroll1") == 0,
               "opened again, the window is as it first was")

    test.press(MENU, "Command2")
    ended = test.driver.find_element(By.ID, "ended")
    test.check(ended.is_displayed() and not test.driver.find_elements(By.CSS_SELECTOR, ".window"),
               "End closes every window and says the program has ended")
    test.driver.find_element(By.ID, "restart").click()
    test.open("Form2")
    test.focus(test.control("Form2", "HScroll1"))
    test.keys(Keys.ARROW_RIGHT)
    test.check(test.caption("Form2", "Label2") == "RGB = (1,0,0)", "started again, the program works")

    foreign = [url for url in requests_sent(test.driver) if url != page.as_uri() and not url.startswith("data:")]
    test.check(not foreign, f"no request leaves the page {foreign or ''}")
    errors = [entry["message"] for entry in test.driver.get_log("browser") if entry["level"] == "SEVERE"]
    test.check(not errors, f"the console stays clean {errors or ''}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("page", type=Path)
    parser.add_argument("--reference", required=True, help="the reference tool, which replays the actions")
    parser.add_argument("--out", type=Path, default=Path("build-web/page-test"), help="for the screenshots")
    arguments = parser.parse_args()
    if not arguments.page.exists():
        print(f"skipped: no {arguments.page}; `make web` builds it")
        return 77
    page = arguments.page.resolve()
    arguments.out.mkdir(parents=True, exist_ok=True)

    driver = open_browser()
    test = PageTest(driver)
    try:
        load(driver, page)
        open_every_window(test)
        use_the_mixer(test)
        use_the_tool_windows(test)
        compare_pictures(test, arguments.reference)
        check_accessibility(test)
        use_keys_of_the_page(test)
        close_end_and_restart(test, page)
    except Exception:
        driver.save_screenshot(str(arguments.out / "failure.png"))
        raise
    finally:
        driver.quit()

    failed = test.results.count(False)
    print(f"{len(test.results) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
