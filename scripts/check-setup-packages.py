#!/usr/bin/env python3
"""Does the project's set-up script install every Debian package that configuring, building and running it uses?

Files used: a fresh CMake configure traced with strace, the headers in Ninja's dependency log of a build,
the shared libraries of the built executables, and the files that the test executables open while they run
(traced with strace): platform plugins, fonts and translations are loaded at run time and are not among the
linked libraries. Each file under /usr or /etc is mapped to its package;
a package that is neither in the dependency closure of the set-up script's list (with --tests) nor part of every Debian
base system (priority required/important) is one that a fresh machine would lack.
Usage: check-setup-packages.py SRC BUILD   (BUILD: an existing Ninja build of SRC). Prints the missing packages last."""
import os, re, subprocess, sys, glob, tempfile

src, build = sys.argv[1], sys.argv[2]

def setup_packages():
    """What the test set-up installs: the program's packages and those of the tests."""
    out = subprocess.run([os.path.join(src, "scripts", "setup.sh"), "--list", "--tests"],
                         capture_output=True, text=True).stdout
    return out.split()

def closure(pkgs):
    """The packages apt installs for pkgs on a fresh machine. Of an or-group of dependencies only the first
    alternative counts (apt takes it when none is installed); counting every alternative would let a package
    like fonts-liberation2 pass as installed only because fontconfig-config names it among its alternatives."""
    names, todo = set(), list(pkgs)
    while todo:
        batch = [p for p in dict.fromkeys(todo) if p not in names]
        todo = []
        if not batch:
            break
        names.update(batch)
        out = subprocess.run(["apt-cache", "depends", "--no-recommends", "--no-suggests", "--no-conflicts",
                              "--no-breaks", "--no-replaces", "--no-enhances", *batch],
                             capture_output=True, text=True).stdout
        in_group = False     # inside an or-group whose first alternative was taken already
        want_provider = False  # the alternative taken is virtual: take its first provider
        for line in out.splitlines():
            if not line.startswith(" "):
                in_group = want_provider = False
                continue
            if line.startswith("    "):
                if want_provider:
                    todo.append(line.strip().split(":")[0])
                    want_provider = False
                continue
            kind, _, target = line.strip().partition(":")
            target = target.strip()
            if kind.lstrip("|") not in ("Depends", "PreDepends"):
                in_group = want_provider = False
                continue
            first = not in_group
            in_group = kind.startswith("|")
            want_provider = False
            if first:
                if target.startswith("<"):
                    want_provider = True
                else:
                    todo.append(target.split(":")[0])
    return names

def file_owner_map():
    # A file may belong to several packages (shared folders, diverted files): any of them will do.
    owners = {}
    for lst in glob.glob("/var/lib/dpkg/info/*.list"):
        pkg = os.path.basename(lst)[:-5].split(":")[0]
        for f in open(lst, errors="replace"):
            owners.setdefault(f.rstrip("\n"), set()).add(pkg)
    return owners

def base_system():
    out = subprocess.run(["dpkg-query", "-W", "-f=${Package} ${Priority} ${Essential}\n"], capture_output=True, text=True).stdout
    return {l.split()[0] for l in out.splitlines() if len(l.split()) >= 2 and (l.split()[1] in ("required", "important") or l.split()[-1] == "yes")}

def traced_files(command, log, **kwargs):
    subprocess.run(["strace", "-f", "-qq", "-e", "trace=openat,execve", "-o", log, *command],
                   capture_output=True, **kwargs)
    for line in open(log, errors="replace"):
        yield line


def used_files():
    files = set()
    with tempfile.TemporaryDirectory() as tmp:
        log = os.path.join(tmp, "trace")
        run_log = os.path.join(tmp, "run-trace")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        configure = traced_files(["cmake", "-S", src, "-B", os.path.join(tmp, "b"), "-G", "Ninja"], log)
        # The tests of the program itself, not those that package it.
        run = traced_files(["ctest", "--test-dir", build, "-E", "^install$"], run_log, env=env)
        for line in list(configure) + list(run):
            if "ENOENT" in line:
                continue
            m = re.search(r'"(/(?:usr|etc|lib)[^"]*)"', line)
            # pkg-config reads every .pc file it can see while it looks for one, and fontconfig every
            # configuration snippet that an installed font package left: those reads prove nothing.
            if m and "O_DIRECTORY" not in line and not os.path.isdir(m.group(1)) \
                    and not m.group(1).endswith(".pc") and not m.group(1).startswith("/usr/share/locale/") \
                    and not m.group(1).startswith(("/usr/share/fontconfig/", "/etc/fonts/")):
                files.add(m.group(1))
    deps = subprocess.run(["ninja", "-C", build, "-t", "deps"], capture_output=True, text=True).stdout
    for line in deps.splitlines():
        line = line.strip()
        if line.startswith("/usr/") or line.startswith("/lib"):
            files.add(line)
    for exe in subprocess.run(["find", build, "-type", "f", "-perm", "-u+x", "-not", "-path", "*/CMakeFiles/*"],
                              capture_output=True, text=True).stdout.split():
        for l in subprocess.run(["ldd", exe], capture_output=True, text=True).stdout.splitlines():
            m = re.search(r"=> (/\S+)", l)
            if m:
                files.add(m.group(1))
    return files

def main():
    pkgs = setup_packages()
    if not pkgs:
        print("scripts/setup.sh --list --tests names no packages"); return 1
    # ccache stands in front of the compiler only where it is installed (cmake/build_speed.cmake): a fresh
    # machine builds without it, so it and what it needs count as present.
    have = closure(pkgs) | closure(["ccache"]) | base_system() | {"build-essential"}
    owners = file_owner_map()
    missing = {}
    for f in sorted(used_files()):
        real = os.path.realpath(f)
        candidates = owners.get(f) or owners.get(real)
        if candidates is None and f.startswith("/lib"):
            candidates = owners.get("/usr" + f)
        if candidates and not candidates & have:
            missing.setdefault(min(candidates), f)
    for pkg, f in sorted(missing.items()):
        print("  %s (for %s)" % (pkg, f))
    print("set-up lists %d packages; %d used packages lie outside their closure: %s" % (len(pkgs), len(missing), " ".join(sorted(missing)) or "none"))
    return 1 if missing else 0

sys.exit(main())
