#!/usr/bin/env python3
"""Checks render_windows as the screenshot script uses it: a window rendered
after a menu item's run differs from the window as it opens, the file takes
the given name, and an unknown window or item fails the run.
Usage: check_render.py RENDER_WINDOWS"""
import os, subprocess, sys, tempfile

render = sys.argv[1]
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")

with tempfile.TemporaryDirectory() as out:
    ok = subprocess.run([render, out, "TFormVickers=fresh", "TFormVickers+StartDown=after-run"], env=env)
    assert ok.returncode == 0, "render_windows failed"
    fresh = open(os.path.join(out, "fresh.png"), "rb").read()
    after = open(os.path.join(out, "after-run.png"), "rb").read()
    assert fresh[:8] == b"\x89PNG\r\n\x1a\n" and after[:8] == fresh[:8], "not PNG files"
    # Same window, same size (width and height in the IHDR chunk) ...
    assert fresh[16:24] == after[16:24], "the run changed the window's size"
    # ... but the run drew the indentation.
    assert fresh != after, "the Start item's run left the window as it was"
    for bad in (["TFormNichtDa"], ["TFormVickers+NichtDa"], ["--lang", "xx", "TFormVickers"]):
        r = subprocess.run([render, *bad[:-1], out, bad[-1]] if bad[0] == "--lang" else [render, out, *bad],
                           env=env, capture_output=True, text=True)
        assert r.returncode != 0 and r.stderr, " ".join(bad) + " was accepted"
    # An unknown option is refused, not taken for the output folder.
    r = subprocess.run([render, "--nonsense"], env=env, capture_output=True, text=True, cwd=out)
    assert r.returncode != 0 and "usage" in r.stderr and not os.path.exists(os.path.join(out, "--nonsense")), \
        "an unknown option was taken for a folder"
    # The English interface draws other texts into the same window.
    english = subprocess.run([render, "--lang", "en", out, "TFormVickers=english"], env=env)
    assert english.returncode == 0, "render_windows --lang en failed"
print("render_windows: named files, runs and faults as expected")
