#!/usr/bin/env python3
# Prints deb-src entries (deb822) made from this machine's own apt configuration: the same
# archives, keys and components as its deb entries, for this release's suites only (CODENAME,
# CODENAME-updates, CODENAME-security, ...): no archive is named anywhere in the project.
#   deb-src.py CODENAME
import glob, os, re, sys
codename = sys.argv[1]
want = re.compile(r'^%s(-[a-z]+)?$' % re.escape(codename))
out = []
def emit(uris, suites, comps, signed):
    keep = [s for s in suites if want.match(s)]
    if not keep: return
    out.append("Types: deb-src\nURIs: %s\nSuites: %s\nComponents: %s\n%s" % (
        " ".join(uris), " ".join(keep), " ".join(comps), "Signed-By: %s\n" % signed if signed else ""))
lists = ["/etc/apt/sources.list"] + sorted(glob.glob("/etc/apt/sources.list.d/*.list"))
for f in lists:
    if not os.path.exists(f): continue
    for line in open(f):
        line = line.split("#", 1)[0].strip()
        m = re.match(r'^deb\s+(\[([^\]]*)\]\s+)?(\S+)\s+(\S+)\s+(.*)$', line)
        if not m: continue
        opts = dict(o.split("=", 1) for o in (m.group(2) or "").split() if "=" in o)
        emit([m.group(3)], [m.group(4)], m.group(5).split(), opts.get("signed-by"))
for f in sorted(glob.glob("/etc/apt/sources.list.d/*.sources")):
    for stanza in re.split(r'\n\s*\n', open(f).read()):
        fields, key = {}, None
        for line in stanza.splitlines():
            if line.startswith("#") or not line.strip(): continue
            if line[0] in " \t" and key: fields[key] += "\n" + line; continue
            key, _, value = line.partition(":"); key = key.strip().lower(); fields[key] = value.strip()
        if "deb" not in fields.get("types", "").split() or fields.get("enabled", "yes").lower() == "no": continue
        emit(fields.get("uris", "").split(), fields.get("suites", "").split(), fields.get("components", "").split(), fields.get("signed-by"))
print("\n".join(out), end="")
