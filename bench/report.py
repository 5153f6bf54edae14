#!/usr/bin/env python3
# SPDX-FileCopyrightText: Marrowleaf developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns the benchmark results of scripts/bench.sh into docs/performance.md and its chart."""
import json
import math
import statistics
import sys
from pathlib import Path

results, docs = Path(sys.argv[1]), Path(sys.argv[2])


def medians(name):
    """The median of each benchmark; one run alone where it runs once (the slow peers)."""
    out = {}
    for b in json.loads((results / name).read_text())["benchmarks"]:
        if b.get("aggregate_name") == "median" or (b.get("run_type") == "iteration" and b["run_name"] not in out):
            out[b["run_name"]] = b
    return out


ini, entry, window = medians("ini.json"), medians("entry.json"), medians("window.json")
context = json.loads((results / "ini.json").read_text())["context"]
MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def ms(b):
    return b["real_time"] * MS[b["time_unit"]]


def mbps(b):
    return b["bytes_per_second"] / 1e6


rows = []  # (figure, measured, baseline, ratio text, goal, met)


def row(figure, measured, baseline, ratio, goal, met):
    rows.append((figure, measured, baseline, ratio, goal, "yes" if met else "**no**"))


# Start-up.
runs = {}
for line in (results / "startup.txt").read_text().split("\n"):
    parts = line.split()
    if len(parts) == 4:  # kind, ms to the map, resident KiB, processor ms to the map
        runs.setdefault(parts[0], []).append((float(parts[1]), int(parts[2]), float(parts[3])))
med = {k: tuple(statistics.median(run[i] for run in v) for i in range(3)) for k, v in runs.items()}
bare, empty, full = med["bare"], med["diary_empty"], med["diary_22000_files"]
nospell = med["diary_spelling_off"]
row("Start-up, exec to window mapped (median of %d)" % len(runs["bare"]), "%.1f ms" % empty[0],
    "bare Qt window %.1f ms" % bare[0], "%.2f x" % (empty[0] / bare[0]), "<= 1.3 x", empty[0] / bare[0] <= 1.3)
row("Start-up with a dictionary and spelling on", "%.1f ms" % empty[0], "spelling off %.1f ms" % nospell[0],
    "%.2f x" % (empty[0] / nospell[0]), "<= 1.05 x", empty[0] <= nospell[0] * 1.05)
row("Resident memory 2 s after the start, spelling off", "%.1f MiB" % (nospell[1] / 1024),
    "bare Qt window %.1f MiB" % (bare[1] / 1024), "+%.1f MiB" % ((nospell[1] - bare[1]) / 1024), "<= +6 MiB",
    nospell[1] - bare[1] <= 6 * 1024)
row("Resident memory 2 s after the start, en_US dictionary loaded", "%.1f MiB" % (empty[1] / 1024),
    "bare Qt window %.1f MiB" % (bare[1] / 1024), "+%.1f MiB" % ((empty[1] - bare[1]) / 1024), "<= +12 MiB",
    empty[1] - bare[1] <= 12 * 1024)
langs = {k[len("lang_"):]: v for k, v in med.items() if k.startswith("lang_")}
slowest = max(langs, key=lambda k: langs[k][0])
row("Start-up in the slowest of %d languages (%s), spelling off" % (len(langs), slowest),
    "%.1f ms" % langs[slowest][0], "C locale %.1f ms" % nospell[0],
    "%.2f x" % (langs[slowest][0] / nospell[0]), "<= 1.05 x", langs[slowest][0] <= nospell[0] * 1.05)
busiest = max(langs, key=lambda k: langs[k][2])
row("Processor time to the map in the busiest language (%s), spelling off" % busiest,
    "%.1f ms" % langs[busiest][2], "C locale %.1f ms" % nospell[2],
    "%.2f x" % (langs[busiest][2] / nospell[2]), "<= 1.05 x", langs[busiest][2] <= nospell[2] * 1.05)
huge = med["diary_huge_config"]
row("Start-up on a config.ini of a million keys (50 MB)", "%.0f ms" % huge[0], "", "", "< 2 s",
    huge[0] < 2000)
row("Start-up with 22,000 entry files", "%.1f ms" % full[0], "empty diary %.1f ms" % empty[0],
    "%+.1f %%" % (100 * (full[0] / empty[0] - 1)), "within 5 %", full[0] <= empty[0] * 1.05)

# The INI store.
PEERS = ["simpleini", "inih", "qsettings", "boost"]
chart_ini = []


def against_peers(op, case):
    """Ours against the fastest peer and against the floor of the same work; adds the row.
    A load must be at least twice the best peer (its floor, open, read and count the lines, is
    context); a save within 1.25 x of its floor (write, flush and rename the bytes)."""
    ours = ini["ini_%s/marrowleaf/%s" % (op, case)]
    peers = {p: ini["ini_%s/%s/%s" % (op, p, case)] for p in PEERS if "ini_%s/%s/%s" % (op, p, case) in ini}
    best = max(peers, key=lambda p: mbps(peers[p]))
    ratio = mbps(ours) / mbps(peers[best])
    floor = ini["ini_%s/floor/%s" % (op, case)]
    above = ms(ours) / ms(floor)
    row("INI %s, %s" % (op, case), "%.0f MB/s" % mbps(ours),
        "%s %.0f MB/s; floor %.0f MB/s" % (best, mbps(peers[best]), mbps(floor)),
        "%.2f x peer; %.2f x floor time" % (ratio, above),
        ">= 2 x peer" if op == "load" else "<= 1.25 x floor",
        ratio >= 2 if op == "load" else above <= 1.25)
    return ours, peers


for kind in ["small", "large", "long"]:
    for eol in ["lf", "crlf"]:
        case = "%s/%s" % (kind, eol)
        ours, peers = against_peers("load", case)
        chart_ini.append((case, mbps(ours), {p: mbps(b) for p, b in peers.items()},
                          mbps(ini["ini_load/floor/" + case])))
for kind in ["large", "long"]:
    for eol in ["lf", "crlf"]:
        against_peers("save", "%s/%s" % (kind, eol))
peak = dict(line.split()[1:] for line in (results / "peak.txt").read_text().split("\n") if line)
if "simpleini" in peak:
    o, s = int(peak["marrowleaf"]), int(peak["simpleini"])
    row("INI load of the 4 MB file, peak memory above the process", "%.1f MiB" % (o / 1024),
        "simpleini %.1f MiB" % (s / 1024), "%.2f x" % (o / s), "<= 1 x", o <= s)

# Entries.
for size, label in [(1 << 20, "1 MiB"), (10 << 20, "10 MiB")]:
    o, b = ms(window["entry_load/marrowleaf/%d" % size]), ms(window["entry_load/bare_setPlainText/%d" % size])
    row("Entry load into the window, %s" % label, "%.1f ms" % o, "bare setPlainText %.1f ms" % b,
        "%.2f x" % (o / b), "<= 1.15 x", o / b <= 1.15)
for op in ["read", "write"]:
    o, r = entry["entry_io/%s/marrowleaf" % op], entry["entry_io/%s/raw" % op]
    ratio = mbps(o) / mbps(r)
    row("Entry file %s, 10 MiB" % op, "%.0f MB/s" % mbps(o), "raw %.0f MB/s" % mbps(r), "%.2f x" % ratio,
        ">= 0.5 x", ratio >= 0.5)

# Filling a template grows with its length alone, whatever braces it holds.
b1, b100, t1 = (ms(entry["template/fill/" + k]) for k in ["braces_1mb", "braces_100kb", "text_1mb"])
row("Template filled, 1 MB of '{'", "%.2f ms" % b1, "1 MB of text %.2f ms" % t1, "%.2f x" % (b1 / t1),
    "<= 5 x", b1 / t1 <= 5)
row("Template filled, 1 MB of '{' against 100 KB of it", "%.2f ms" % b1, "100 KB %.2f ms" % b100,
    "%.1f x" % (b1 / b100), "<= 15 x (linear: 10 x)", b1 / b100 <= 15)

# The save step with history against the same save without it, and the history window.
o, b = ms(entry["save_step/disk/with_history"]), ms(entry["save_step/disk/without_history"])
row("Save step of a changed 4 KiB entry on the disk, keeping the replaced text", "%.3f ms" % o,
    "without history %.3f ms" % b, "%.2f x" % (o / b), "<= 2 x", o / b <= 2)
o, b = ms(entry["save_step/memory/with_history"]), ms(entry["save_step/memory/without_history"])
row("The same in memory (/dev/shm: no flush costs, only the calls)", "%.3f ms" % o,
    "without history %.3f ms" % b, "%.2f x" % (o / b), "context", True)
t = ms(window["history_window/open/versions:50"])
row("History window of an entry with 50 versions, opened", "%.2f ms" % t, "", "", "< 20 ms", t < 20)

# Search across the 20-year diary against grep -rliF on the same folder.
for case, label in [("no_entry", "a word in no entry"), ("every_entry", "a word in every entry"),
                    ("three_words", "three words (grep: the first)"), ("shift_jis", "a Shift-JIS diary")]:
    o, g = ms(entry["search/marrowleaf/" + case]), ms(entry["search/grep/" + case])
    row("Search of 21,900 entries, %s" % label, "%.1f ms" % o, "grep -rliF %.1f ms" % g,
        "%.2f x" % (o / g), "<= 1.0 x", o / g <= 1.0)
t = ms(entry["search/first_row"])
row("Search, the first row found", "%.3f ms" % t, "", "", "< 50 ms", t < 50)
_, kib, found = (results / "search-memory.txt").read_text().split()
row("Find window's memory above its idle state, a search finding every entry (%s rows)" %
    "{:,}".format(int(found)), "%.1f MiB" % (int(kib) / 1024), "", "", "< 16 MiB",
    int(kib) < 16 * 1024)

# The tag list of the tagged 20-year diary against grep -o | sort | uniq -c on the same folder.
o, g = ms(entry["tags/list/marrowleaf"]), ms(entry["tags/list/grep_sort_uniq"])
row("Tag list of 21,840 tagged entries", "%.1f ms" % o, "grep -arhoE \\| sort \\| uniq -c %.1f ms" % g,
    "%.2f x" % (o / g), "<= 0.5 x", o / g <= 0.5)
t = window["tags/open_to_first_rows"]
row("Tags, from the command to the first rows (worst %.1f ms; the whole list %.0f ms)" %
    (t["worst_first_rows_ms"], t["worst_whole_list_ms"]), "%.1f ms" % ms(t), "", "", "< 50 ms",
    t["worst_first_rows_ms"] < 50)
# The look back: the statistics of the 20-year diary against cat | wc -w on the same files (the
# faster of the C and the UTF-8 locale), and on this day from the menu's command to its rows.
o = ms(entry["lookback/statistics/marrowleaf"])
c = min(ms(entry["lookback/statistics/cat_wc_c"]), ms(entry["lookback/statistics/cat_wc_utf8"]))
row("Statistics of the 20-year diary (21,915 entries)", "%.0f ms" % o, "cat | wc -w %.0f ms" % c,
    "%.2f x" % (o / c), "<= 1.0 x", o <= c)
t = window["lookback/open_to_rows"]
row("Look Back, from the command to the rows of on this day (worst %.1f ms)" % t["worst_ms"],
    "%.1f ms" % ms(t), "", "", "< 50 ms", t["worst_ms"] < 50)

# Encryption at rest: the same work on the encrypted diary against the plain one, in one run.
crypto = medians("crypto.json")
for case, label in [("some_entries", "a word in some entries"), ("no_entry", "a word in no entry")]:
    o, p = (ms(entry["search/years/%s/%s/process_time/real_time" % (kind, case)]) for kind in ["encrypted", "plain"])
    row("Search of the 20-year diary (21,915 entries), encrypted, %s" % label, "%.1f ms" % o,
        "plain %.1f ms" % p, "%.2f x" % (o / p), "<= 1.5 x", o / p <= 1.5)
o, p = ms(window["day_open/encrypted"]), ms(window["day_open/plain"])
row("A day of the 20-year diary opened, its text painted, encrypted", "%.2f ms" % o, "plain %.2f ms" % p,
    "%.2f x" % (o / p), "<= 1.1 x", o / p <= 1.1)
o, p = ms(window["typing/key/encrypted_with_drafts"]), ms(window["typing/key/with_drafts"])
row("A key typed into a 100 KiB entry, drafts kept, encrypted", "%.1f us" % (o * 1000),
    "plain %.1f us" % (p * 1000), "%.2f x" % (o / p), "<= 1.1 x", o / p <= 1.1)
o, p = ms(crypto["whole_diary/encrypted/iterations:1"]), ms(crypto["whole_diary/rewritten/iterations:1"])
row("The 20-year diary (21,915 entries) encrypted", "%.2f s" % (o / 1000),
    "the same files rewritten through the atomic writer %.2f s" % (p / 1000), "%.2f x" % (o / p), "<= 2 x",
    o / p <= 2)

# Export of the whole 20-year diary against the peers on the same days.
def named(prefix):
    return next((b for name, b in window.items() if name.startswith(prefix)), None)


html, pdf = named("export/whole_diary/html"), named("export/whole_diary/pdf")
pandoc, enscript = named("export/whole_diary/pandoc_html"), named("export/whole_diary/enscript_ps2pdf")
if pandoc:
    row("HTML of the whole diary (21,915 entries)", "%.0f ms" % ms(html), "pandoc %.1f s" % (ms(pandoc) / 1000),
        "%.0f x faster" % (ms(pandoc) / ms(html)), "<= 1 s, >= 50 x faster", ms(html) <= 1000 and ms(pandoc) >= 50 * ms(html))
if enscript:
    row("PDF of the whole diary, proportional fonts, wrapped, fonts embedded", "%.2f s" % (ms(pdf) / 1000),
        "enscript \\| ps2pdf %.2f s" % (ms(enscript) / 1000), "%.2f x" % (ms(pdf) / ms(enscript)), "<= 2 x",
        ms(pdf) <= 2 * ms(enscript))
first = pdf["first_progress_ms"]
row("PDF export, the first progress", "%.1f ms" % first, "", "", "< 100 ms", first < 100)
kib = int((results / "export-memory.txt").read_text().split()[1])
row("PDF export of the whole diary, peak memory above the idle window", "%.1f MiB" % (kib / 1024), "", "",
    "<= 256 MiB", kib <= 256 * 1024)

# Typing with drafts kept, against typing without them.
o, b = ms(window["typing/key/with_drafts"]), ms(window["typing/key/without_drafts"])
row("A key typed into a 100 KiB entry, drafts kept", "%.1f us" % (o * 1000),
    "without drafts %.1f us" % (b * 1000), "%.2f x" % (o / b), "<= 1.05 x", o / b <= 1.05)

# A key in an entry full of tags, their colours shown against not shown.
o, b = ms(window["typing/tagged_key/tags_shown"]), ms(window["typing/tagged_key/tags_not_shown"])
row("A key typed into a 100 KiB entry full of tags, tag colours shown", "%.1f us" % (o * 1000),
    "not shown %.1f us" % (b * 1000), "%.2f x" % (o / b), "<= 1.1 x", o / b <= 1.1)

# Spelling: a key and a load with spelling on against off, and words checked per second.
o, b = ms(window["typing/prose_key/spelling_on"]), ms(window["typing/prose_key/spelling_off"])
row("A key typed into a 100 KiB one-paragraph entry of prose (1 word in 40 misspelt), spelling on",
    "%.1f us" % (o * 1000), "spelling off %.1f us" % (b * 1000), "%.2f x" % (o / b), "<= 1.1 x", o / b <= 1.1)
o, b = ms(window["entry_load/marrowleaf_spelling/1048576"]), ms(window["entry_load/bare_setPlainText/1048576"])
row("Entry load into the window, 1 MiB, spelling on", "%.1f ms" % o, "bare setPlainText %.1f ms" % b,
    "%.2f x" % (o / b), "<= 1.15 x", o / b <= 1.15)
ours = window["spelling/check_1MB/marrowleaf"]
words = ours["words"]
if "spelling/check_1MB/hunspell_l" in window:
    theirs = ms(window["spelling/check_1MB/hunspell_l"])
    row("Spelling of 1 MB of diary prose (%s words), the dictionary's load included" % "{:,}".format(int(words)),
        "%.0f words/s" % (words / ms(ours) * 1000), "hunspell -l %.0f words/s" % (words / theirs * 1000),
        "%.1f x" % (theirs / ms(ours)), ">= 1 x", theirs >= ms(ours))
t = ms(window["draft/window_thread/1MiB"])
row("A draft of a 1 MiB entry, on the window's thread (the text is taken; the writer does the rest)",
    "%.2f ms" % t, "", "", "context", True)

# The date refresh and the page change.
chart_refresh = []
for tabs, goal in [(1, 1), (10, 2), (100, 5), (1000, 25)]:
    t = ms(window["refresh/tabs/%d" % tabs])
    chart_refresh.append((tabs, t))
    row("RefreshForDate, %d tab%s" % (tabs, "" if tabs == 1 else "s"), "%.3f ms" % t, "", "", "< %d ms" % goal, t < goal)
t = ms(window["page_change/tabs:1000"])
row("Calendar page change with its marks, 1,000 tabs, 31 entries a month", "%.3f ms" % t, "", "", "< 5 ms", t < 5)

# Pictures: a day of 20 photos of 4000 x 3000 (8-10 MB JPEGs) against the same day with its links
# as text.
pictures = medians("pictures.json")
def picture(name):
    return next(b for k, b in pictures.items() if k.startswith("pictures/" + name))
o, b = ms(picture("key/pictures_shown")), ms(picture("key/links_as_text"))
row("A key typed and taken back, painted, in a day showing 20 photos", "%.0f us" % (o * 1000),
    "links as text %.0f us" % (b * 1000), "%.2f x" % (o / b), "<= 1.1 x", o / b <= 1.1)
o, b = ms(picture("day_opened/pictures_shown")), ms(picture("day_opened/links_as_text"))
row("A day of 20 photos opened, its text painted", "%.2f ms" % o, "links as text %.2f ms" % b,
    "%.2f x" % (o / b), "<= 1.1 x", o / b <= 1.1)
o, b = ms(picture("day_opened_cold/pictures_decoding")), ms(picture("day_opened_cold/links_as_text"))
row("A day of 20 photos opened in a new window, its text painted while they decode", "%.1f ms" % o,
    "links as text %.1f ms" % b, "%.2f x" % (o / b), "<= 1.1 x", o / b <= 1.1)
t = ms(picture("all_shown/cold"))
row("All 20 photos shown, no thumbnail kept (%.1f MB each)" % picture("all_shown/cold")["photo_mb"],
    "%.0f ms" % t, "", "", "< 2 s", t < 2000)
t = ms(picture("all_shown/from_cache"))
row("All 20 photos shown from their thumbnails, in a new window", "%.0f ms" % t, "", "", "< 200 ms", t < 200)
above, text = [int(v) for v in (results / "pictures-memory.txt").read_text().split()[1:3]]
row("Resident memory with the 20 photos shown and scrolled through", "+%.1f MiB" % (above / 1024),
    "links as text %.1f MiB" % (text / 1024), "+%.1f MiB" % (above / 1024), "<= +40 MiB", above <= 40 * 1024)

skip = ms(ini["config_flush/start_pass_skipping_equal_saves"])
write = ms(ini["config_flush/start_pass_writing_both_saves"])

decode = {k: entry["decode/" + k] for k in ["utf8", "shift_jis", "latin1"]}

# The chart: INI load throughput per input (log scale) and refresh time against tab count.
W, H = 900, 360
svg = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" font-family="sans-serif" font-size="11">' % (W, H),
       '<rect width="100%" height="100%" fill="white"/>',
       '<text x="10" y="18" font-size="13">INI load throughput, MB/s (log scale)</text>',
       '<text x="620" y="18" font-size="13">RefreshForDate, ms, by tab count</text>']
colours = {"marrowleaf": "#c03030", "simpleini": "#4a7ab5", "inih": "#7ab54a", "qsettings": "#b5a04a",
           "boost": "#8a5ab5", "floor": "#999999"}
x0, y0, ph = 40, 300, 250
lo, hi = 1.0, 5.0  # 10 MB/s .. 100 GB/s
def ylog(v):
    return y0 - ph * (math.log10(max(v, 10)) - lo) / (hi - lo)
for e in range(1, 6):
    y = ylog(10 ** e)
    svg.append('<line x1="%d" x2="%d" y1="%.1f" y2="%.1f" stroke="#eee"/>' % (x0, 590, y, y))
    svg.append('<text x="5" y="%.1f">%s</text>' % (y + 4, {1: "10", 2: "100", 3: "1k", 4: "10k", 5: "100k"}[e]))
gx = x0 + 5
for case, ours, peers, floor in chart_ini:
    bars = [("marrowleaf", ours)] + sorted(peers.items()) + [("floor", floor)]
    for name, v in bars:
        svg.append('<rect x="%d" y="%.1f" width="12" height="%.1f" fill="%s"><title>%s %s: %.0f MB/s</title></rect>'
                   % (gx, ylog(v), y0 - ylog(v), colours[name], name, case, v))
        gx += 13
    svg.append('<text x="%d" y="%d" transform="rotate(30 %d %d)">%s</text>' % (gx - 13 * len(bars), y0 + 14, gx - 13 * len(bars), y0 + 14, case))
    gx += 8
for i, name in enumerate(colours):
    svg.append('<rect x="%d" y="340" width="10" height="10" fill="%s"/><text x="%d" y="349">%s</text>' % (40 + 90 * i, colours[name], 54 + 90 * i, name))
rx0, rw = 640, 230
tmax = max(t for _, t in chart_refresh) * 1.2
pts = []
for tabs, t in chart_refresh:
    x = rx0 + rw * math.log10(tabs) / 3
    y = y0 - ph * t / tmax
    pts.append("%.1f,%.1f" % (x, y))
    svg.append('<circle cx="%.1f" cy="%.1f" r="3" fill="#c03030"/><text x="%.1f" y="%.1f">%.3f</text>' % (x, y, x + 4, y - 4, t))
    svg.append('<text x="%.1f" y="%d">%d</text>' % (x - 6, y0 + 14, tabs))
svg.append('<polyline points="%s" fill="none" stroke="#c03030"/>' % " ".join(pts))
svg.append('<line x1="%d" x2="%d" y1="%d" y2="%d" stroke="black"/>' % (rx0, rx0 + rw, y0, y0))
svg.append("</svg>")
(docs / "performance.svg").write_text("\n".join(svg) + "\n")

md = ["# Performance", "",
      "Measured by `./scripts/bench.sh` on %s (%d CPUs at %.0f MHz), %s. Every ratio is against a baseline of the "
      "same run; medians of 5 repetitions (start-up: of %d interleaved runs). File benchmarks use a memory file "
      "system (`/dev/shm`), so they time the code rather than the disk." % (
          context.get("host_name", "this machine"), context.get("num_cpus", 0), context.get("mhz_per_cpu", 0),
          context.get("date", ""), len(runs["bare"])), "",
      "| Figure | Measured | Baseline | Ratio | Goal | Met |", "|---|---|---|---|---|---|"]
md += ["| %s | %s | %s | %s | %s | %s |" % r for r in rows]
md += ["", "![INI load throughput and refresh time](performance.svg)", "",
       "## config.ini at start and exit", "",
       "The start's settings pass saves config.ini twice. A save whose bytes equal what the file already holds "
       "(the file untouched since the store read or wrote it) is left out. On the real disk the pass costs "
       "%.3f ms that way, and %.3f ms when both saves write and flush (`config_flush/*` in `ini_bench`). The exit "
       "writes once, and only when the window's place or the autosave box changed." % (skip, write), "",
       "## Turning an entry's bytes into text, 1 MB", "",
       "| Encoding | Time | Throughput |", "|---|---|---|"]
md += ["| %s | %.2f ms | %.0f MB/s |" % (k, ms(b), mbps(b)) for k, b in decode.items()]
md += ["", "UTF-8 costs one decoding pass. Shift-JIS costs the failed UTF-8 pass, the conversion and a conversion "
       "back to check that the bytes come back unchanged. Latin-1 comes after both have failed.", ""]
(docs / "performance.md").write_text("\n".join(md))
