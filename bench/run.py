"""Benchmark driver: see bench/run."""
import os
import resource
import shutil
import subprocess
import sys
import tempfile
import time

root, count = sys.argv[1], int(sys.argv[2])
exe = os.path.join(root, "build", "bin", "vexl-dovo")
corpus = os.path.join(root, "bench", "corpus")
images = sorted(f for f in os.listdir(corpus) if f.endswith(".jpg"))[:count]


def settings_file(folder, out, resize):
    lines = ["[Settings]", "DimensionMethod=%d" % (1 if resize else 0), "DimensionWidth=800",
             "DimensionHeight=600", "MiscAntialias=1", "JpgQuality=75", "RenamePrefix=th_",
             "OutputDest=//DIFFDIR//", "OutputDir=%s" % out, "ReplicateSubDirs=0"]
    path = os.path.join(folder, "settings.ini")
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")
    return path


def run_batch(work, resize):
    src = os.path.join(work, "in")
    out = os.path.join(work, "out")
    os.makedirs(out)
    ini = settings_file(work, out, resize)
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"))
    before = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    start = time.monotonic()
    subprocess.run([exe, "--batch", src, "--settings", ini, "--answer", "yes"], env=env, check=True,
                   stdout=subprocess.DEVNULL)
    elapsed = time.monotonic() - start
    peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    assert len(os.listdir(out)) == len(images), "the batch did not write every image"
    return elapsed, max(peak, before) / 1024.0


def run_tools(work, resize, fmt):
    src = os.path.join(work, "in")
    out = os.path.join(work, "out")
    os.makedirs(out)
    start = time.monotonic()
    for name in images:
        target = os.path.join(out, "th_" + name)
        subprocess.run(["cp", os.path.join(src, name), target], check=True)
        if resize:
            subprocess.run(["mogrify", "-quality", "75", "-geometry", "800x600", target], check=True)
        subprocess.run(["mogrify", "-quality", "75", "-antialias", target], check=True)
        subprocess.run(["identify", "-format", fmt, target], check=True, stdout=subprocess.DEVNULL)
    return time.monotonic() - start


def fresh(base, tag):
    work = os.path.join(base, tag)
    os.makedirs(os.path.join(work, "in"))
    for name in images:
        shutil.copy(os.path.join(corpus, name), os.path.join(work, "in", name))
    return work


with tempfile.TemporaryDirectory() as base:
    n = len(images)
    print("corpus: %d photo-like 6-megapixel JPEGs" % n)
    for title, resize, fmt in (("resize job (800x600 + antialias, q75)", True, "%w %h %b bleh"),
                               ("default job (antialias + meta step)", False, "%w %h %k %b bleh")):
        a, peak = run_batch(fresh(base, "a" + str(resize)), resize)
        b = run_tools(fresh(base, "b" + str(resize)), resize, fmt)
        print("\n" + title)
        print("  vexl-dovo --batch       %7.2f s  %6.2f images/s  peak %.0f MiB" % (a, n / a, peak))
        print("  command-line tools      %7.2f s  %6.2f images/s" % (b, n / b))
        print("  ratio tools/batch       %7.2f x" % (b / a))
