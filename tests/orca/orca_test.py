"""What Orca really says, read from its debug log by tools/orca-speech: after End on the mixer's red bar
the colour's triple, after a step of the percentage bar both shares, after the scan the count of the
points it found. Prints 'N passed, N failed' at the end. Usage: orca_test.py PROGRAM
"""

import os
import re
import subprocess
import sys

STEPS = ["open=RGB → 1677万色", "key=End", "open=％カラーチェンジ", "key=Right", "open=合成", "click=初期設定"]
EXPECTED = {
    "key=End": r"notification \(255,0,0\)、16進数 FF0000、赤 \(red\)",
    "key=Right": r"notification 赤 51％、青 49％、\(130,0,124\)、暗い紫 \(dark purple\)",
    "click=初期設定": r"notification キーの色の点 \d+ 個 \(\d+ key-colour points\)",
}


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


def main(program):
    tool = os.path.join(os.path.dirname(os.path.realpath(__file__)), "../../tools/orca-speech")
    run = subprocess.run([tool, program, *STEPS], capture_output=True, text=True, timeout=200)
    print(run.stdout, end="")
    print(run.stderr, end="", file=sys.stderr)
    said = sections(run.stdout)
    failed = 0
    for step, pattern in EXPECTED.items():
        heard = any(re.fullmatch(pattern, text) for text in said.get(step, []))
        failed += not heard
        print(("ok   " if heard else "FAIL ") + "after %s Orca says %s" % (step, pattern))
    print("%d passed, %d failed" % (len(EXPECTED) - failed, failed))
    return 1 if failed or run.returncode else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
