"""What Orca really says, read from its debug log by tools/orca-speech: after End on the mixer's red bar
the colour's triple, after a step of the percentage bar both shares, after the scan the count of the
points it found; in English the mixer's, and nothing in Japanese. Prints 'N passed, N failed' at the
end. Usage: orca_test.py PROGRAM [--english]
"""

import os
import re
import subprocess
import sys

STEPS = ["open=RGB → 1677万色", "key=End", "open=％カラーチェンジ", "key=Right", "open=合成", "click=初期設定"]
EXPECTED = [
    ("key=End", r"notification \(255,0,0\)、16進数 FF0000、赤 \(red\)"),
    ("key=Right", r"notification 赤 51％、青 49％、\(130,0,124\)、暗い紫 \(dark purple\)"),
    ("click=初期設定", r"notification キーの色の点 \d+ 個 \(\d+ key-colour points\)"),
]
# The English program: the mixer's window and bar by their English names, then its colour. Orca ends
# an English sentence with a full stop.
ENGLISH_STEPS = ["open=RGB → 16.7M colours", "key=End"]
ENGLISH_EXPECTED = [
    ("open=RGB → 16.7M colours", r"RGB → 16\.7M colours frame\."),
    ("open=RGB → 16.7M colours", r"Red scroll bar 0\."),
    ("key=End", r"notification \(255,0,0\), hexadecimal FF0000, red\."),
]
JAPANESE = re.compile("[\u3000-\u9fff\uff00-\uffef]")


def sections(output):
    """What Orca said after each step, by step."""
    said = {}
    step = None
    for line in output.splitlines():
        if line.startswith("== "):
            step = line[3:]
            said[step] = []
        elif step and line.startswith("   "):
            said[step].append(line[3:])
    return said


def main(program, english=False):
    tool = os.path.join(os.path.dirname(os.path.realpath(__file__)), "../../tools/orca-speech")
    steps, expected = (ENGLISH_STEPS, ENGLISH_EXPECTED) if english else (STEPS, EXPECTED)
    # Orca's own words ("notification", "scroll bar") are heard untranslated, whatever the caller's
    # locale: Orca's gettext reads LANGUAGE even before LC_ALL.
    locale = {name: value for name, value in os.environ.items() if name != "LANGUAGE"}
    locale.update(LC_ALL="C.UTF-8", ORCA_SPEECH_LOCALE="en_US.UTF-8" if english else "C.UTF-8")
    run = subprocess.run([tool, program, *steps], capture_output=True, text=True, timeout=200, env=locale)
    print(run.stdout, end="")
    print(run.stderr, end="", file=sys.stderr)
    said = sections(run.stdout)
    failed = 0
    checks = len(expected)
    for step, pattern in expected:
        heard = any(re.fullmatch(pattern, text) for text in said.get(step, []))
        failed += not heard
        print(("ok   " if heard else "FAIL ") + "after %s Orca says %s" % (step, pattern))
    if english:
        japanese = [text for texts in said.values() for text in texts if JAPANESE.search(text)]
        checks += 1
        failed += bool(japanese)
        print(("FAIL " if japanese else "ok   ") + "Orca says nothing in Japanese %s" % japanese)
    print("%d passed, %d failed" % (checks - failed, failed))
    return 1 if failed or run.returncode else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], "--english" in sys.argv[2:]))
