#!/usr/bin/env python3
"""Writes the browser page around a built program: quenlit.html, its service worker
quenlit-sw.js and its manifest quenlit.webmanifest.

The page's style and scripts go into quenlit.html itself, so that the page needs no file but
the three downloads it explains. The sizes and CRC-32 of quenlit.wasm and quenlit.data are
sealed into the page, which refuses a download that does not match them; quenlit.js tells
itself whether it came whole. The service worker carries the build's version
(a digest of every file it keeps), so that each build replaces the last one's offline copy.

Usage: seal_page.py PAGE_SOURCES BUILD_FOLDER
  PAGE_SOURCES  the folder of quenlit.html, page.css, saves.js, page.js, touch.js,
                service-worker.js and quenlit.webmanifest
  BUILD_FOLDER  the folder of quenlit.js, quenlit.wasm, quenlit.data and the icons, where the
                page is written
"""
import hashlib
import json
import os
import sys
import zlib

DOWNLOADS = ["quenlit.js", "quenlit.wasm", "quenlit.data"]
ICONS = ["quenlit-192.png", "quenlit-512.png"]
SCRIPTS = ["saves.js", "page.js", "touch.js"]


def read(folder, name):
    with open(os.path.join(folder, name), "rb") as file:
        return file.read()


def write(folder, name, text):
    path = os.path.join(folder, name)
    with open(path + ".new", "w", encoding="utf-8") as file:
        file.write(text)
    os.replace(path + ".new", path)


def main(sources, build):
    downloads = {name: read(build, name) for name in DOWNLOADS}
    manifest = read(sources, "quenlit.webmanifest").decode("utf-8")
    style = read(sources, "page.css").decode("utf-8")
    script = "\n".join(read(sources, name).decode("utf-8") for name in SCRIPTS)

    version = hashlib.sha256()
    for name, content in [*downloads.items(), *((icon, read(build, icon)) for icon in ICONS)]:
        version.update(name.encode() + b"\0" + hashlib.sha256(content).digest())
    for name in ["quenlit.html", "page.css", *SCRIPTS, "service-worker.js", "quenlit.webmanifest"]:
        version.update(name.encode() + b"\0" + hashlib.sha256(read(sources, name)).digest())
    version = version.hexdigest()[:16]

    sealed = {
        "version": version,
        "files": {
            name: {"size": len(content), "crc32": zlib.crc32(content)}
            for name, content in downloads.items() if name != "quenlit.js"
        },
    }
    page = read(sources, "quenlit.html").decode("utf-8")
    page = page.replace("/*@PAGE_STYLE@*/", style.strip())
    page = page.replace("/*@BUILD@*/", json.dumps(sealed, sort_keys=True))
    page = page.replace("/*@PAGE_SCRIPT@*/", script.strip())

    kept = ["quenlit.html", *DOWNLOADS, "quenlit.webmanifest", *ICONS]
    worker = read(sources, "service-worker.js").decode("utf-8")
    worker = worker.replace("@VERSION@", version).replace("@FILES@", json.dumps(kept))

    write(build, "quenlit.webmanifest", manifest)
    write(build, "quenlit-sw.js", worker)
    write(build, "quenlit.html", page)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
