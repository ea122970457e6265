#!/usr/bin/python3
"""A picture of the browser page for the README, taken in headless Chromium: the menu, the flask
drawn in a colour, and the RGB mixer at (255,128,0) moved beside it by its title bar.

Usage: page_picture.py PAGE OUTPUT.png
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "web"))

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

from browser import load, open_browser  # noqa: E402


def main(page, output):
    driver = open_browser(width=1366, height=900)
    try:
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
        title = driver.find_element(By.CSS_SELECTOR, '.window[data-window="Form2"] .title-bar')
        ActionChains(driver).drag_and_drop_by_offset(title, 420, 40).perform()
        driver.save_screenshot(output)
    finally:
        driver.quit()


if __name__ == "__main__":
    main(*sys.argv[1:])
