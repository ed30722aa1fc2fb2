#!/usr/bin/env python3
"""Runs two builds of the program on generated leagues whose results exports
have been spoilt (lines dropped, doubled, swapped, cut; fields replaced; the
"EOF" line moved) and compares everything they leave behind: every file,
standard output and error, and the exit status. Prints one line per league
that differs, with the files that differ, and keeps those leagues in KEEP.

  tools/compare-malformed.py OLD NEW [LEAGUES] [SEASONGEN] [KEEP]
"""
import filecmp
import os
import random
import shutil
import subprocess
import sys
import tempfile

SPECIAL = ["", "sv/ng", "--", "DU", "PU", "P", "R", "EOF", "Gol", "Totale squadra",
           "Parziale squadra", " (Gol T.S.) ", "Gol Rig.", "Sostituiti, panchina e tribuna",
           "Sost", "0", "-3", "6,5", "999", "-9999", "x"]


def mutate(lines, rng, teams):
    out = list(lines)
    for _ in range(rng.randint(1, 3)):
        if not out:
            break
        at = rng.randrange(len(out))
        kind = rng.randrange(9)
        if kind == 0:
            del out[at]
        elif kind == 1:
            out.insert(at, out[at])
        elif kind == 2:
            other = rng.randrange(len(out))
            out[at], out[other] = out[other], out[at]
        elif kind == 3:
            fields = out[at].split("\t")
            out[at] = "\t".join(fields[:rng.randrange(len(fields) + 1)])
        elif kind == 4:
            fields = out[at].split("\t")
            k = rng.randrange(len(fields))
            fields[k] = rng.choice(SPECIAL + teams)
            out[at] = "\t".join(fields)
        elif kind == 5:
            out = [l for l in out if l != "EOF"]
            out.insert(rng.randrange(len(out) + 1), "EOF")
        elif kind == 6:
            out.insert(at, "")
        elif kind == 7:
            out.insert(at, "\t" + rng.choice(teams) + "\t\t\t\t\t" + rng.choice(teams + ["Ignota"]))
        else:
            fields = out[at].split("\t")
            k = rng.randrange(len(fields))
            fields[k] = fields[k][:rng.randrange(len(fields[k]) + 1)]
            out[at] = "\t".join(fields)
    return out


def run(binary, folder):
    with open(os.path.join(folder, ".out"), "wb") as out, \
            open(os.path.join(folder, ".err"), "wb") as err:
        status = subprocess.call([binary, "--home", folder], cwd=folder, stdout=out, stderr=err)
    with open(os.path.join(folder, ".status"), "w") as f:
        f.write(str(status))


def differences(a, b):
    names = sorted(set(os.listdir(a)) | set(os.listdir(b)))
    return [n for n in names
            if not (os.path.isfile(os.path.join(a, n)) and os.path.isfile(os.path.join(b, n))
                    and filecmp.cmp(os.path.join(a, n), os.path.join(b, n), shallow=False))]


def main():
    old, new = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    gen = os.path.abspath(sys.argv[4] if len(sys.argv) > 4 else "build/corvalis_seasongen")
    keep = sys.argv[5] if len(sys.argv) > 5 else None
    scratch = tempfile.mkdtemp(prefix="corvalis-malformed-")
    differ = 0
    outcomes = {}
    try:
        for i in range(1, count + 1):
            rng = random.Random(i)
            league = os.path.join(scratch, "league")
            shutil.rmtree(league, ignore_errors=True)
            os.makedirs(league)
            args = ["--seed", str(i), "--teams", str(rng.randint(2, 6)),
                    "--matchdays", str(rng.randint(1, 4)), "--players", str(rng.randint(11, 16)),
                    "--cup", "0.4"]
            if i % 4 == 0:
                args.append("--sq")
            subprocess.check_call([gen] + args + [league], stdout=subprocess.DEVNULL)
            pristine = os.path.join(scratch, "pristine")
            shutil.rmtree(pristine, ignore_errors=True)
            shutil.copytree(league, pristine)
            with open(os.path.join(league, "conf.txt"), encoding="latin-1") as f:
                teams = [l.rstrip("\r\n") for l in f]
            teams = teams[:teams.index("*")]
            exports = sorted(n for n in os.listdir(league) if n.endswith(".tab"))
            for name in rng.sample(exports, rng.randint(1, len(exports))):
                path = os.path.join(league, name)
                with open(path, "rb") as f:
                    lines = f.read().decode("latin-1").split("\r\n")
                if lines and lines[-1] == "":
                    lines.pop()
                lines = mutate(lines, rng, teams)
                with open(path, "wb") as f:
                    f.write("".join(l + "\r\n" for l in lines).encode("latin-1"))
            # Both run in the same folder: messages name its files.
            work = os.path.join(scratch, "work")
            a, b = os.path.join(scratch, "a"), os.path.join(scratch, "b")
            for folder, binary in ((a, old), (b, new)):
                shutil.rmtree(folder, ignore_errors=True)
                shutil.copytree(league, work)
                run(binary, work)
                os.rename(work, folder)
            with open(os.path.join(b, ".status")) as f:
                status = f.read()
            with open(os.path.join(b, ".err"), "rb") as f:
                warned = bool(f.read())
            outcomes[(status, warned)] = outcomes.get((status, warned), 0) + 1
            diff = differences(a, b)
            if diff:
                differ += 1
                print("lega %d: %s" % (i, " ".join(diff)), flush=True)
                if keep:
                    shutil.copytree(league, os.path.join(keep, "lega%d" % i), dirs_exist_ok=True)
                    shutil.copytree(pristine, os.path.join(keep, "lega%d.orig" % i),
                                    dirs_exist_ok=True)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    print("esiti (stato, messaggi): " + ", ".join(
        "%s%s: %d" % (status, " con messaggi" if warned else "", n)
        for (status, warned), n in sorted(outcomes.items())))
    print("%d leghe confrontate, %d con differenze" % (count, differ))
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main())
