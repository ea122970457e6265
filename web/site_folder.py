#!/usr/bin/env python3
"""Writes the page's folder for a web server, from which a tablet adds the program to its home screen
and opens it without a network: the assembled page as index.html, with what serving needs and nothing
else, its web app manifest, the menu's icon at the home screens' sizes, and the service worker that
keeps them all.

The manifest's words are the core's, from texts/; the icon's pixels are scaled whole, without
smoothing, onto the menu's white ground. The served page keeps the page's policy and allows, besides,
its own origin for the worker, the manifest and the icons, and the registration script by its hash.
Usage: site_folder.py FOLDER PAGE ICON WEB_APP_TEXTS
"""
import hashlib
import html
import json
import math
import re
import sys
from base64 import b64encode
from io import BytesIO
from pathlib import Path

from PIL import Image

from assemble import digest, read

HERE = Path(__file__).parent
MANIFEST = "manifest.webmanifest"
APPLE_TOUCH_ICON = "apple-touch-icon.png"
# The page's ground and chrome, as page.css paints them, for the splash screen and the system's bars.
BACKGROUND = "#d4d8dc"
THEME = "#efefef"
MENU_GROUND = (255, 255, 255)
# A mask may cut a maskable icon down to the circle of 80 % of its width; a square in it is smaller still.
MASKABLE_ROOM = 0.8 / math.sqrt(2)
# Name, size, purpose in the manifest (none: the iPad's, which it finds by the page's link).
ICONS = [
    ("icon-192.png", 192, "any"),
    ("icon-512.png", 512, "any"),
    ("icon-maskable-512.png", 512, "maskable"),
    (APPLE_TOUCH_ICON, 180, None),
]


def drawn_icon(icon, size, purpose):
    room = size * MASKABLE_ROOM if purpose == "maskable" else size
    scale = int(room // max(icon.size))
    pixels = icon.resize((icon.width * scale, icon.height * scale), Image.Resampling.NEAREST)
    ground = Image.new("RGB", (size, size), MENU_GROUND)
    ground.paste(pixels, ((size - pixels.width) // 2, (size - pixels.height) // 2), pixels)
    return ground


def png_bytes(image):
    out = BytesIO()
    image.save(out, format="PNG")
    return out.getvalue()


def manifest(texts):
    return json.dumps({
        **texts,
        "id": "./",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "lang": "ja",
        "dir": "ltr",
        "background_color": BACKGROUND,
        "theme_color": THEME,
        "icons": [{"src": name, "sizes": f"{size}x{size}", "type": "image/png", "purpose": purpose}
                  for name, size, purpose in ICONS if purpose],
    }, ensure_ascii=False, indent=2) + "\n"


def served_policy(policy, registration):
    # The browser loads the manifest's icons and the iPad's under the page's policy for images.
    added = {"script-src": digest(registration), "img-src": "'self'"}
    directives = []
    for directive in policy.split("; "):
        name = directive.split(" ", 1)[0]
        directives.append(f"{directive} {added[name]}" if name in added else directive)
    return "; ".join(directives + ["worker-src 'self'", "manifest-src 'self'"])


def served_page(page, texts):
    registration = read(HERE / "register_worker.js")
    if "</script" in registration:
        sys.exit("site_folder.py: the registration script would end its element early")
    head = "\n".join([
        f'<link rel="manifest" href="{MANIFEST}">',
        f'<link rel="apple-touch-icon" href="{APPLE_TOUCH_ICON}">',
        # Chrome reads the first, Safari the others, for a page opened from the home screen.
        '<meta name="mobile-web-app-capable" content="yes">',
        '<meta name="apple-mobile-web-app-capable" content="yes">',
        '<meta name="apple-mobile-web-app-status-bar-style" content="default">',
        f'<meta name="apple-mobile-web-app-title" content="{html.escape(texts["short_name"])}">',
        f'<meta name="theme-color" content="{THEME}">',
        f"<script>{registration}</script>",
        "</head>",
    ])
    served, policies = re.subn(r'(<meta http-equiv="Content-Security-Policy" content=")([^"]*)',
                               lambda match: match.group(1) + served_policy(match.group(2), registration), page)
    if policies != 1 or served.count("</head>") != 1:
        sys.exit("site_folder.py: the page has not one policy and one head")
    return served.replace("</head>", head)


def integrity(data):
    return "sha256-" + b64encode(hashlib.sha256(data).digest()).decode("ascii")


# The worker names every file with its digest, and the build by a digest of them all.
def service_worker(files):
    kept = [{"path": name, "integrity": integrity(data)} for name, data in files.items()]
    version = hashlib.sha256(json.dumps(kept).encode("utf-8")).hexdigest()[:16]
    return read(HERE / "service-worker.js").replace("@VERSION@", version).replace("@FILES@", json.dumps(kept))


def main(folder, page, icon, texts):
    words = json.loads(read(texts))
    icon_pixels = Image.open(icon).convert("RGBA")
    files = {
        "index.html": served_page(read(page), words).encode("utf-8"),
        MANIFEST: manifest(words).encode("utf-8"),
        **{name: png_bytes(drawn_icon(icon_pixels, size, purpose)) for name, size, purpose in ICONS},
    }
    files["service-worker.js"] = service_worker(files).encode("utf-8")
    out = Path(folder)
    out.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (out / name).write_bytes(data)


if __name__ == "__main__":
    main(*sys.argv[1:])
