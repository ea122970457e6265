#!/usr/bin/python3
"""The browser's figures beside the native ones, for `make bench`: the heavy handlers timed by the
same code natively (the headless face, Release) and in headless Chromium (the browser face, the
Release WebAssembly build), once alone and once with the pictures handed to the page as an action
does, the fastest of five rounds each; the desktop benchmark's medians beside them when it has run;
then the page's size and the time from opening it to the menu on screen, five times; then the
script and layout of fitting the windows to the page again after a resize, twenty times.

Usage: web_bench.py --native HANDLER_TIMES --page PAGE --bench-page BENCH_PAGE [--desktop BENCH_JSON] --out JSON
       web_bench.py --refit-only --page PAGE --out JSON    (the refit alone, added to what JSON holds)
"""
import argparse
import json
import statistics
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "web"))

from browser import load, open_browser, wait_for  # noqa: E402

RUNS = 5
# Native and browser timings take turns, and each side's fastest counts: a slow spell of a shared
# machine then costs a round, not one side alone.
ROUNDS = 5
# The page resized from a Chromebook's screen to a projector's and back, with the menu and a tool
# window open: a frame's time is the budget for fitting them again.
REFIT_SCREENS = ((1366, 650), (1920, 1080))
REFITS = 20
FRAME_MS = 16
# Runs before the page's own resize listener, which fits the windows again, being added first ...
REFIT_STARTS = "addEventListener('resize', () => { window.refitStarted = performance.now(); });"
# ... and this one after it, once the page has started: it forces the layout that the fit left. The
# mixer opens by its button's name in the layout, whatever language the browser gives the page.
REFIT_ENDS = """
    document.querySelector('[data-window="メニュー"] [data-control="Command1"]').click();
    window.refits = [];
    addEventListener('resize', () => {
        document.body.offsetHeight;
        refits.push(performance.now() - refitStarted);
    });
"""


def desktop_medians(path):
    if not path or not Path(path).exists():
        return {}
    runs = json.loads(Path(path).read_text())["benchmarks"]
    # Google Benchmark names a repeated case after its repetitions: "DrawOverlap/centre/repeats:10".
    return {run["run_name"].removesuffix(f"/repeats:{run['repetitions']}"): run["real_time"]
            for run in runs if run.get("aggregate_name") == "median"}


def browser_times(driver, bench_page):
    driver.get(bench_page.resolve().as_uri())
    return json.loads(wait_for(driver, "return document.body.dataset.benchmarks", timeout=300))


def native_times(handler_times):
    return json.loads(subprocess.run([handler_times], capture_output=True, text=True, check=True).stdout)


def fastest(runs):
    return {name: min(run[name] for run in runs) for name in runs[0]}


def start_up(driver, page):
    """Milliseconds from the start of the load to the first paint of text, which is the menu's."""
    times = []
    for _ in range(RUNS):
        load(driver, page.resolve())
        times.append(wait_for(driver, "return performance.getEntriesByName('first-contentful-paint')[0]?.startTime"))
    return times


def refit_times(driver, page):
    """Milliseconds from the start of each resize to the end of the layout after the windows' new fit."""
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": REFIT_STARTS})
    load(driver, page.resolve())
    driver.execute_script(REFIT_ENDS)
    for turn in range(REFITS):
        width, height = REFIT_SCREENS[turn % len(REFIT_SCREENS)]
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": width, "height": height, "deviceScaleFactor": 0, "mobile": False})
        wait_for(driver, "return refits.length > arguments[0]", turn)
    return driver.execute_script("return refits")


def report_refit(times):
    median = statistics.median(times)
    print(f"\nrefit after a resize (script and layout): median {median:.1f} ms, at most {max(times):.1f} ms "
          f"of {len(times)} (a frame is {FRAME_MS} ms)")
    return {"refit_ms": times, "refit_median_ms": median, "refit_max_ms": max(times)}


def refit_only(arguments):
    driver = open_browser()
    try:
        refit = report_refit(refit_times(driver, arguments.page))
    finally:
        driver.quit()
    figures = json.loads(arguments.out.read_text()) if arguments.out.exists() else {}
    arguments.out.parent.mkdir(parents=True, exist_ok=True)
    arguments.out.write_text(json.dumps({**figures, **refit}, indent=2) + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--native")
    parser.add_argument("--page", type=Path, required=True)
    parser.add_argument("--bench-page", type=Path)
    parser.add_argument("--desktop")
    parser.add_argument("--out", type=Path, required=True)
    parser.add_argument("--refit-only", action="store_true")
    arguments = parser.parse_args()
    if arguments.refit_only:
        return refit_only(arguments)
    if not arguments.native or not arguments.bench_page:
        parser.error("--native and --bench-page are needed but for --refit-only")

    desktop = desktop_medians(arguments.desktop)
    native_runs, browser_runs = [], []
    driver = open_browser()
    try:
        for _ in range(ROUNDS):
            native_runs.append(native_times(arguments.native))
            browser_runs.append(browser_times(driver, arguments.bench_page))
        start = start_up(driver, arguments.page)
        refit_ms = refit_times(driver, arguments.page)
    finally:
        driver.quit()
    native = fastest(native_runs)
    browser = {part: fastest([run[part] for run in browser_runs]) for part in ("handlers", "shown")}

    print(f"\n{'browser (us a run)':20} {'native':>10} {'browser':>10} {'ratio':>7} {'+ shown':>10} {'desktop':>10}")
    for name, ours in native.items():
        web = browser["handlers"][name]
        shown = browser["shown"][name]
        print(f"{name:20} {ours:10.1f} {web:10.1f} {web / ours:6.2f}x {shown:10.1f} {desktop.get(name, float('nan')):10.1f}")
    size = arguments.page.stat().st_size
    median = statistics.median(start)
    print(f"\npage: {size / 1e6:.2f} MB; menu on screen: median {median:.0f} ms of {RUNS} "
          f"({', '.join(f'{ms:.0f}' for ms in start)})")
    refit = report_refit(refit_ms)
    arguments.out.parent.mkdir(parents=True, exist_ok=True)
    arguments.out.write_text(json.dumps({"native_us": native, "browser_us": browser["handlers"],
                                         "browser_shown_us": browser["shown"], "desktop_median_us": desktop,
                                         "page_bytes": size, "menu_on_screen_ms": start,
                                         "menu_on_screen_median_ms": median, **refit}, indent=2) + "\n")


if __name__ == "__main__":
    main()
