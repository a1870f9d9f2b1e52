"""Benchmark driver: see bench/run.

Every row of a job runs once per round, rounds interleaved, and the median
is printed, so rows measured side by side share the machine's state. A goal's
ratio is the median of the rounds' ratios, its two rows run back to back."""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

root, count, rounds = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
exe = os.path.join(root, "build", "bin", "vexl-dovo")
corpus = os.path.join(root, "bench", "corpus")
images = sorted(f for f in os.listdir(corpus) if f.endswith(".jpg"))[:count]
png_corpus = os.path.join(root, "bench", "corpus-png")
STAMP = "Example Press 2026"
FONT = subprocess.run(["fc-match", "-f", "%{file}", "Arial"], capture_output=True, text=True).stdout


def tree_rss_kib(pid):
    """Resident memory of a process and all its descendants, in KiB."""
    parents = {}
    rss = {}
    for entry in os.listdir("/proc"):
        # Descendants get later ids than the process (short of a wrap of the
        # id counter): reading only those keeps this sampler from taking CPU
        # time the rows under measurement would use.
        if not entry.isdigit() or int(entry) < pid:
            continue
        try:
            with open("/proc/%s/stat" % entry) as f:
                fields = f.read().rsplit(")", 1)[1].split()
            parents[int(entry)] = int(fields[1])
            rss[int(entry)] = int(fields[21]) * os.sysconf("SC_PAGE_SIZE") // 1024
        except (OSError, IndexError, ValueError):
            continue
    total, todo = 0, [pid]
    while todo:
        p = todo.pop()
        total += rss.get(p, 0)
        todo.extend(c for c, pp in parents.items() if pp == p)
    return total


def timed(cmds, env=None, cwd=None):
    """Runs commands one after another; returns (seconds, CPU seconds of the
    whole process tree, peak resident MiB of the tree)."""
    before = os.times()
    peak = [0]
    start = time.monotonic()
    for cmd in cmds:
        p = subprocess.Popen(cmd, env=env, cwd=cwd, stdout=subprocess.DEVNULL)
        done = threading.Event()

        def sample():
            while not done.is_set():
                peak[0] = max(peak[0], tree_rss_kib(p.pid))
                done.wait(0.05)
        t = threading.Thread(target=sample)
        t.start()
        rc = p.wait()
        done.set()
        t.join()
        if rc != 0:
            raise SystemExit("failed: %s" % " ".join(cmd))
    elapsed = time.monotonic() - start
    after = os.times()
    cpu = (after.children_user - before.children_user) + (after.children_system - before.children_system)
    return elapsed, cpu, peak[0] / 1024.0


def settings_file(folder, out, lines):
    path = os.path.join(folder, "settings.ini")
    with open(path, "w") as f:
        f.write("\n".join(["[Settings]"] + lines + ["RenamePrefix=th_", "OutputDest=//DIFFDIR//",
                                                     "OutputDir=%s" % out, "ReplicateSubDirs=0"]) + "\n")
    return path


def fresh(base, source, names):
    work = tempfile.mkdtemp(dir=base)
    os.makedirs(os.path.join(work, "in"))
    os.makedirs(os.path.join(work, "out"))
    for name in names:
        shutil.copy(os.path.join(source, name), os.path.join(work, "in", name))
    return work


def batch(lines, workers=None, confined=True):
    def run(work):
        ini = settings_file(work, os.path.join(work, "out"), lines)
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"))
        env.pop("VEXL_NO_SANDBOX", None)
        if not confined:
            env["VEXL_NO_SANDBOX"] = "1"  # workers without Landlock: for this comparison only
        cmd = [exe, "--batch", os.path.join(work, "in"), "--settings", ini, "--answer", "yes"]
        if workers is not None:
            cmd += ["--workers", str(workers)]
        return timed([cmd], env=env)
    return run


def per_image(steps):
    """The same work with the command-line tools, one process per step."""
    def run(work):
        cmds = []
        for name in sorted(os.listdir(os.path.join(work, "in"))):
            src = os.path.join(work, "in", name)
            cmds += steps(src, os.path.join(work, "out"), name, work)
        return timed(cmds)
    return run


def resize_chain(src, out, name, work):
    t = os.path.join(out, "th_" + name)
    return [["cp", src, t], ["mogrify", "-quality", "75", "-geometry", "800x600", t],
            ["mogrify", "-quality", "75", "-antialias", t], ["identify", "-format", "%w %h %b bleh", t]]


def default_chain(src, out, name, work):
    t = os.path.join(out, "th_" + name)
    return [["cp", src, t], ["mogrify", "-quality", "75", "-antialias", t],
            ["identify", "-format", "%w %h %k %b bleh", t]]


def web_chain(src, out, name, work):
    t = os.path.join(out, "th_" + name)
    label = os.path.join(work, "label.png")
    return [["cp", src, t],
            ["convert", "-quality", "100", "-background", "none", "-fill", "#FFFFFF", "-font", FONT, "-pointsize", "24",
             "label:" + STAMP, label],
            ["composite", "-background", "none", "-compose", "Over", "-gravity", "SouthEast", label, t, t],
            ["mogrify", "-quality", "75", "-format", "jpg", t]]


def whole_folder(cmd):
    def run(work):
        return timed([cmd(os.path.join(work, "in"), os.path.join(work, "out"))])
    return run


RESIZE = ["DimensionMethod=1", "DimensionWidth=800", "DimensionHeight=600", "MiscAntialias=1", "JpgQuality=75"]
DEFAULT = ["DimensionMethod=0", "MiscAntialias=1", "JpgQuality=75"]
WEB = ["DimensionMethod=0", "MiscAntialias=0", "JpgQuality=75", "OutputFormat=3", "TextOverlay=1",
       "TextOverlayText=" + STAMP, "TextOverlayPosition=8", "TextOverlaySize=24", "TextOverlayColour=16777215",
       "TextOverlayBGTrans=True"]

UNCONFINED = "vexl-dovo --batch, workers unconfined"
resize_rows = [("vexl-dovo --batch", batch(RESIZE)),
               (UNCONFINED, batch(RESIZE, confined=False)),
               ("vexl-dovo --batch --workers 1", batch(RESIZE, 1)),
               ("command-line chain (cp, mogrify x2, identify)", per_image(resize_chain)),
               ("mogrify -path over the folder", whole_folder(lambda i, o: ["sh", "-c", 'mogrify -path "$1" -quality 75 -geometry 800x600 -antialias "$2"/*.jpg', "-", o, i]))]
if shutil.which("gm"):
    resize_rows.append(("gm mogrify -size 800x600", whole_folder(
        lambda i, o: ["sh", "-c", 'cd "$2" && gm mogrify -output-directory "$1" -size 800x600 -resize 800x600 -quality 75 *.jpg', "-", o, i])))
if shutil.which("vipsthumbnail"):
    resize_rows.append(("vipsthumbnail -s 800x600", whole_folder(
        lambda i, o: ["sh", "-c", 'vipsthumbnail -s 800x600 -o "$1/th_%s.jpg[Q=75]" "$2"/*.jpg', "-", o, i])))

jobs = [("resize job (800x600 + antialias, q75)", corpus, images, resize_rows,
         [("vexl-dovo --batch", "vipsthumbnail -s 800x600", 1.2),
          ("vexl-dovo --batch", "vexl-dovo --batch --workers 1", 1.8)]),
        ("default first-run job (antialias + meta step)", corpus, images,
         [("vexl-dovo --batch", batch(DEFAULT)), ("vexl-dovo --batch --workers 1", batch(DEFAULT, 1)),
          ("command-line chain with %k", per_image(default_chain))],
         [("vexl-dovo --batch", "vexl-dovo --batch --workers 1", 1.8)]),
        ("web job (PNG to JPEG with a text stamp)", png_corpus, sorted(os.listdir(png_corpus))[:count],
         [("vexl-dovo --batch", batch(WEB)), ("vexl-dovo --batch --workers 1", batch(WEB, 1)),
          ("command-line tools (cp, convert label, composite, mogrify)", per_image(web_chain))],
         [])]

print("corpus: %d photo-like 6-megapixel JPEGs (and the same as PNG), %d cores, %d rounds, medians"
      % (len(images), os.cpu_count(), rounds))
with tempfile.TemporaryDirectory() as base:
    for title, source, names, rows, goals in jobs:
        results = {label: [] for label, _ in rows}
        # Each round runs the rows a goal compares right after one another, so
        # a change in the machine's speed between rows (other guests on the
        # host) moves both sides of a ratio alike.
        partners = [b for _, b, _ in goals]
        order = [rows[0]] + [r for r in rows if r[0] in partners] + \
                [r for r in rows[1:] if r[0] not in partners]
        for _ in range(rounds):
            for label, run in order:
                work = fresh(base, source, names)
                results[label].append(run(work))
                shutil.rmtree(work)
        n = len(names)
        rate = {}
        print("\n" + title)
        print("  %-52s %8s %8s %10s %9s" % ("", "img/s", "vs ours", "CPU s/img", "peak MiB"))
        ours = statistics.median(r[0] for r in results[rows[0][0]])
        cpu_of = {}
        for label, _ in rows:
            secs = statistics.median(r[0] for r in results[label])
            cpu = statistics.median(r[1] for r in results[label])
            peak = max(r[2] for r in results[label])
            rate[label] = n / secs
            cpu_of[label] = cpu / n
            print("  %-52s %8.2f %8.2f %10.3f %9.0f" % (label, n / secs, ours / secs, cpu / n, peak))
        if UNCONFINED in cpu_of:
            print("  confinement (Landlock) cost: CPU s/img %.3f confined, %.3f unconfined (%+.1f %%)"
                  % (cpu_of[rows[0][0]], cpu_of[UNCONFINED],
                     100.0 * (cpu_of[rows[0][0]] - cpu_of[UNCONFINED]) / cpu_of[UNCONFINED]))
        for a, b, goal in goals:
            if a in rate and b in rate:
                # The ratio of each round's pair (run back to back), and their median.
                pairs = [rb[0] / ra[0] for ra, rb in zip(results[a], results[b])]
                ratio = statistics.median(pairs)
                print("  goal: %s at least %.2fx %s: %.2fx %s (rounds: %s)"
                      % (a, goal, b, ratio, "met" if ratio >= goal else "NOT met",
                         ", ".join("%.2f" % r for r in pairs)))

# The window's thread during a run driven through the real main window (the
# offscreen platform): a 5 ms timer on it, the longest time between two ticks.
uigap = os.path.join(root, "build", "bin", "vexl-uigap")
if os.path.exists(uigap):
    print("\nwindow thread during a run through the main window (resize job, offscreen)")
    worst = 0
    with tempfile.TemporaryDirectory() as base:
        folder = os.path.join(base, "in")
        os.makedirs(folder)
        for name in images:
            shutil.copy(os.path.join(corpus, name), folder)
        settings = [line for line in RESIZE] + ["RenamePrefix=th_"]
        for _ in range(rounds):
            out = subprocess.run([uigap, folder] + settings, capture_output=True, text=True,
                                 env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
            if out.returncode != 0:
                raise SystemExit("failed: vexl-uigap: " + out.stderr)
            print("  " + out.stdout.strip())
            worst = max(worst, int(out.stdout.split("worst gap: ")[1].split(" ")[0]))
    print("  goal: the window's thread never held more than 50 ms: worst %d ms %s"
          % (worst, "met" if worst <= 50 else "NOT met"))
