#!/usr/bin/env python3
"""Checks every translation under translations/ against the sources: lupdate refreshes a copy of
each .ts file from the code, and the copy must hold no new, vanished or unfinished entry, and
every placeholder (%1, %n, ...) of a source must appear in its translation. Exit 1 on a fault.
    tools/ts-check.py [LUPDATE]"""
import glob, os, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
lupdate = sys.argv[1] if len(sys.argv) > 1 else (shutil.which("lupdate") or "/usr/lib/qt6/bin/lupdate")
# Where the program's texts are.
SOURCES = ["app", "panel", "gamewindow", "match", "net", "replay", "relay", "web"]
faults = []
files = sorted(glob.glob(os.path.join(top, "translations", "lumivex_*.ts")))
if not files:
    faults.append("no translations found")
with tempfile.TemporaryDirectory() as tmp:
    for ts in files:
        name = os.path.basename(ts)
        copy = os.path.join(tmp, name)
        shutil.copy(ts, copy)
        run = subprocess.run([lupdate, "-extensions", "cpp,h", "-locations", "none", "-no-obsolete"] +
                             [os.path.join(top, s) for s in SOURCES] + ["-ts", copy],
                             capture_output=True, text=True)
        if run.returncode != 0:
            faults.append(f"{name}: lupdate failed: {run.stderr.strip()}")
            continue
        old = {m.findtext("source") or "" for m in ET.parse(ts).iter("message")}
        root = ET.parse(copy).getroot()
        after = set()
        count = words = 0
        for ctx in root.iter("context"):
            cname = ctx.findtext("name")
            for m in ctx.iter("message"):
                src = m.findtext("source") or ""
                after.add((cname, src))
                t = m.find("translation")
                text = (t.text or "") if t is not None else ""
                count += 1
                words += len(text.split())
                if t is None or t.get("type") in ("unfinished", "vanished", "obsolete") or not text:
                    faults.append(f"{name}: {cname}: unfinished: {src!r}")
                    continue
                for p in sorted(set(re.findall(r"%(?:\d+|n)", src))):
                    if p not in text:
                        faults.append(f"{name}: {cname}: {p} missing from the translation of {src!r}")
        new = {s for _, s in after}
        for s in sorted(new - old):
            faults.append(f"{name}: new in the sources: {s!r}")
        for s in sorted(old - new):
            faults.append(f"{name}: gone from the sources: {s!r}")
        print(f"{name}: {count} texts, {words} words")
for f in faults:
    print(f)
sys.exit(1 if faults else 0)
