#!/usr/bin/python3
"""A picture of the browser page for the README, taken in headless Chromium: the menu, the flask
drawn in a colour, and the RGB mixer at (255,128,0) moved beside it by its title bar; or, on a
pupil's device, the page fitted to its screen with the mixer in front.

Usage: page_picture.py PAGE OUTPUT.png [chromebook|ipad-upright]
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "web"))

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

from browser import load, open_browser  # noqa: E402


# A device's screen in CSS pixels, its pixel ratio and whether it has touch.
DEVICES = {
    None: (1366, 900, "1", False),
    "chromebook": (1366, 650, "1", True),
    "ipad-upright": (810, 1080, "2", True),
}


def main(page, output, device=None):
    width, height, scale, touch = DEVICES[device]
    driver = open_browser(scale=scale, width=width, height=height)
    try:
        if device:
            # The browser's window is taller than its page by its bars, even headless: the page gets the
            # device's size itself.
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                   {"width": width, "height": height, "deviceScaleFactor": float(scale), "mobile": False})
        if touch:
            driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        load(driver, Path(page).resolve())

        def control(window, name):
            return driver.find_element(By.CSS_SELECTOR, f'.window[data-window="{window}"] [data-control="{name}"]')

        def keys_on(element, *keys):
            driver.execute_script("arguments[0].focus()", element)
            ActionChains(driver).send_keys(*keys).perform()

        control("メニュー", "Command6").click()
        for bar, steps in (("HScroll2", 15), ("HScroll3", 25)):
            keys_on(control("Form5", bar), Keys.ARROW_RIGHT * steps)
        control("メニュー", "Command1").click()
        keys_on(control("Form2", "HScroll1"), Keys.END)
        keys_on(control("Form2", "HScroll2"), Keys.ARROW_RIGHT * 128)
        if not device:
            # As far right as the page lets the mixer stand whole.
            title = driver.find_element(By.CSS_SELECTOR, '.window[data-window="Form2"] .title-bar')
            right, down = driver.execute_script(
                "const box = arguments[0].closest('.window').getBoundingClientRect();"
                "return [innerWidth - box.right - 8, innerHeight - box.bottom - 8];", title)
            ActionChains(driver).drag_and_drop_by_offset(title, right, down).perform()
        driver.save_screenshot(output)
    finally:
        driver.quit()


if __name__ == "__main__":
    main(*sys.argv[1:])
