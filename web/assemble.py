#!/usr/bin/env python3
"""Assembles the one-file page: the template with its style, the label font, the scripts and the
module's bytes inside it, the notices for a browser that cannot run it, and a policy that lets nothing
else in.

Every inline script and style is allowed by its hash alone, so the policy forbids all others, and
every connection: the page needs nothing but itself. The support script stands alone and first, so
that a browser too old for the others still runs it.
Usage: assemble.py OUTPUT FONT ICON MODULE_JS TEMPLATE STYLE SUPPORT_SCRIPT NOTICES BUNDLED_SCRIPT
"""
import base64
import hashlib
import html
import json
import re
import sys
from pathlib import Path


def read(path):
    return Path(path).read_text(encoding="utf-8")


def base64_of(path):
    return base64.b64encode(Path(path).read_bytes()).decode("ascii")


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii") + "'"


def policy(scripts, style):
    return "; ".join([
        "default-src 'none'",
        f"script-src {' '.join(digest(script) for script in scripts)} 'wasm-unsafe-eval'",
        f"style-src {digest(style)}",
        "font-src data:",
        "img-src data:",
        "base-uri 'none'",
        "form-action 'none'",
    ])


def main(output, font, icon, module_js, template, style, support, notices, bundle):
    style_text = read(style).replace("@FONT@", "data:font/woff2;base64," + base64_of(font))
    # The module's loader and the page's bundled modules share one scope, so that nothing of either
    # is a global of the page; the bundle keeps its own strict mode in a function of its own.
    script_text = "(() => {\n" + read(module_js) + "\n(function () {\n" + read(bundle) + "})();\n})();\n"
    support_text = read(support)
    if "</script" in script_text + support_text or "</style" in style_text:
        sys.exit("assemble.py: a script or the style would end its element early")
    parts = {
        "POLICY": policy([support_text, script_text], style_text),
        "STYLE": style_text,
        "SUPPORT": support_text,
        "SCRIPT": script_text,
        "MODULE_BYTES": base64_of(Path(module_js).with_suffix(".wasm")),
        "ICON": "data:image/x-icon;base64," + base64_of(icon),
    }
    # The notices' texts are the core's, each under the name of its place in the template.
    parts.update((name, html.escape(text, quote=False)) for name, text in json.loads(read(notices)).items())
    page = re.sub(r"@(" + "|".join(parts) + ")@", lambda match: parts[match.group(1)], read(template))
    Path(output).write_text(page, encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:])
