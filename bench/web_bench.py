#!/usr/bin/python3
"""The browser's figures beside the native ones, for `make bench`: the heavy handlers timed by the
same code natively (the headless face, Release) and in headless Chromium (the browser face, the
Release WebAssembly build), once alone and once with the pictures handed to the page as an action
does, the fastest of five rounds each; the desktop benchmark's medians beside them when it has run;
then the page's size and the time from opening it to the menu on screen, five times.

Usage: web_bench.py --native HANDLER_TIMES --page PAGE --bench-page BENCH_PAGE [--desktop BENCH_JSON] --out JSON
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


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--native", required=True)
    parser.add_argument("--page", type=Path, required=True)
    parser.add_argument("--bench-page", type=Path, required=True)
    parser.add_argument("--desktop")
    parser.add_argument("--out", type=Path, required=True)
    arguments = parser.parse_args()

    desktop = desktop_medians(arguments.desktop)
    native_runs, browser_runs = [], []
    driver = open_browser()
    try:
        for _ in range(ROUNDS):
            native_runs.append(native_times(arguments.native))
            browser_runs.append(browser_times(driver, arguments.bench_page))
        start = start_up(driver, arguments.page)
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
    arguments.out.parent.mkdir(parents=True, exist_ok=True)
    arguments.out.write_text(json.dumps({"native_us": native, "browser_us": browser["handlers"],
                                         "browser_shown_us": browser["shown"], "desktop_median_us": desktop,
                                         "page_bytes": size, "menu_on_screen_ms": start,
                                         "menu_on_screen_median_ms": median}, indent=2) + "\n")


if __name__ == "__main__":
    main()
