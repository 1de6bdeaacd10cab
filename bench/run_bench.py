#!/usr/bin/env python3
"""Runs the benchmark programs under Wine and writes docs/benchmarks.md.

Called by tools/bench, which prepares Wine, the display and the build.
"""

import argparse
import csv
import datetime
import io
import json
import os
import platform
import statistics
import subprocess
import sys

GOTCHA_CAPTION = "HA HA HA HA HA HA!"
BASELINE_CAPTION = "Velmora baseline done"
PHASES = ["countdown", "typing", "formatting", "gotcha"]
MIB = 1024 * 1024


def log(text):
    print("[bench] " + text, file=sys.stderr, flush=True)


def unix_pid_of(windows_path):
    """The Unix process that Wine runs a program in carries its path as argv[0]."""
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open("/proc/%s/cmdline" % entry, "rb") as cmdline:
                argv0 = cmdline.read().split(b"\0")[0].decode(errors="replace")
        except OSError:
            continue
        if argv0 == windows_path:
            return int(entry)
    return None


def proc_status(pid):
    values = {}
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            key, _, rest = line.partition(":")
            if rest.strip().endswith("kB"):
                values[key] = int(rest.split()[0]) * 1024
    return values


def warm_up(args, command_line):
    """One start-up left out of the figures: the first start of a program
    after a build pays for reading it and its DLLs from disk."""
    subprocess.run([args.wine, args.monitor, command_line, "-", "120", "start"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=180, check=True)


def monitor(args, command_line, caption):
    """Start-up and memory of one program, measured by the monitor."""
    exe = command_line.split()[0]
    command = [args.wine, args.monitor, command_line, caption, "120", "hold"]
    process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True)
    try:
        line = process.stdout.readline().strip()
        if line != "final":
            raise RuntimeError("%s: the monitor said %r" % (exe, line))
        pid = unix_pid_of(exe)
        status = proc_status(pid) if pid else {}
        process.stdin.write("go\n")
        process.stdin.flush()
        result = process.stdout.readline().split()
    finally:
        process.stdin.close()
        if process.wait(timeout=60) != 0:
            raise RuntimeError("%s: the monitor failed" % exe)
    figures = {key: float(value) for key, value in (item.split("=") for item in result)}
    figures["rss_peak"] = status.get("VmHWM", 0)
    figures["rss_anon"] = status.get("RssAnon", 0)
    return figures


def evict_system_files(prefix):
    """Drops the system directories' files from the page cache: cold reads."""
    for sub in ("system32", "syswow64"):
        directory = os.path.join(prefix, "drive_c", "windows", sub)
        if not os.path.isdir(directory):
            continue
        for name in os.listdir(directory):
            try:
                fd = os.open(os.path.join(directory, name), os.O_RDONLY)
            except OSError:
                continue
            try:
                os.posix_fadvise(fd, 0, 0, os.POSIX_FADV_DONTNEED)
            finally:
                os.close(fd)


def tickbench(args):
    output = subprocess.run([args.wine, args.tickbench], stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, text=True, timeout=300, check=True).stdout
    rows = list(csv.DictReader(io.StringIO(output)))
    if not rows:
        raise RuntimeError("the tick benchmark printed nothing")
    for row in rows:
        for key in ("tick", "phase_before", "phase_after", "read"):
            row[key] = int(row[key])
        row["at_ms"] = float(row["at_ms"])
        row["cost_ms"] = float(row["cost_ms"])
    return rows


def nominal_ms(tick):
    # The first tick runs at 0 s, then one a second; the console appears at
    # 14 s and from there a tick comes every 200 ms.
    return 1000.0 * tick if tick <= 14 else 14000.0 + 200.0 * (tick - 14)


def percentile(values, p):
    ordered = sorted(values)
    rank = max(1, -(-p * len(ordered) // 100))  # nearest rank
    return ordered[int(rank) - 1]


def spread(values, fmt):
    return "%s (%s to %s)" % (fmt % statistics.median(values), fmt % min(values),
                              fmt % max(values))


def tick_rows(runs, pass_name, select):
    return [r["cost_ms"] for ticks in runs for r in ticks
            if r["pass"] == pass_name and select(r)]


def machine():
    def run(command):
        try:
            return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                  text=True, shell=True).stdout.strip()
        except OSError:
            return "?"
    cpu = run("lscpu | sed -n 's/^Model name: *//p' | head -1")
    pretty = run(". /etc/os-release && echo $PRETTY_NAME")
    memory = run("free -g | awk '/^Mem:/ {print $2}'")
    return [
        ("CPU", "%s, %d logical CPUs" % (cpu, os.cpu_count())),
        ("Memory", "%s GiB" % memory),
        ("System", "%s, Linux %s" % (pretty, platform.release())),
        ("Wine", run("%s --version" % os.environ.get("VELMORA_WINE", "wine"))),
        ("Compiler", run("%s-g++-posix --version | head -1" % os.environ["BENCH_TOOLCHAIN"])),
        ("Display", "Xvfb 1024x768x24, Wine virtual desktop 1024x768"),
    ]


def load_average():
    with open("/proc/loadavg") as loadavg:
        return " ".join(loadavg.read().split()[:3])


def report(args, started, baseline, clicking, velmora, runs, load_before, load_after):
    arch = os.environ["BENCH_TOOLCHAIN"]
    lines = []
    add = lines.append
    add("# Benchmarks")
    add("")
    add("Written by `tools/bench` on %s; %d runs. Figures are medians with the range over the"
        " runs in brackets unless stated otherwise." % (started, len(velmora)))
    add("")
    add("## Machine")
    add("")
    for key, value in machine() + [("Load average at the start", load_before),
                                   ("Load average at the end", load_after)]:
        add("- %s: %s" % (key, value))
    add("- Build measured: %s" % args.why)
    add("")

    add("## Start-up: process start to the first paint")
    add("")
    ratio = statistics.median(v["startup_ms"] for v in velmora) / statistics.median(
        b["startup_ms"] for b in baseline)
    per_run = [v["startup_ms"] / b["startup_ms"] for v, b in zip(velmora, baseline)]
    add("| Program | Start-up, ms |")
    add("|---|---|")
    add("| baseline | %s |" % spread([b["startup_ms"] for b in baseline], "%.1f"))
    add("| baseline playing the click | %s |" % spread([b["startup_ms"] for b in clicking], "%.1f"))
    add("| velmora | %s |" % spread([v["startup_ms"] for v in velmora], "%.1f"))
    add("")
    add("Ratio velmora / baseline (medians): **%.2f** (per run %s); target at most 1.2: **%s**."
        % (ratio, spread(per_run, "%.2f"), "met" if ratio <= 1.2 else "NOT met"))
    same_click = statistics.median(v["startup_ms"] for v in velmora) / statistics.median(
        c["startup_ms"] for c in clicking)
    add("")
    add("Ratio velmora / baseline playing the click (medians): **%.2f**; target at most 1.1: **%s**."
        % (same_click, "met" if same_click <= 1.1 else "NOT met"))
    add("")
    add("Measured by `velmora_monitor` under Wine: `CreateProcess`, `WaitForInputIdle`, then"
        " polling (1 ms) until the program's window is visible with an empty update region."
        " All programs are measured the same way, in turns (the order alternates from run to"
        " run), after one start of each that is left out; most of the time is Wine starting a"
        " process. velmora plays its first click while it initialises, before it is shown, so"
        " its start-up includes loading the sound stack; the baseline playing the click does"
        " the same, the plain baseline does not.")
    add("")

    add("## Per-tick cost: timer handler plus the paint it forces")
    add("")
    add("The real `CFormatDlg::OnTimer` (with `PlaySoundA` and the forced `UpdateWindow` paint)"
        " timed with `QueryPerformanceCounter` by `velmora_tickbench`, a subclass of the real"
        " dialog. *Driven*: ticks called back to back on a shown dialog, messages pumped in"
        " between; *live*: the whole run under the modal loop and the real timer. p50 and p99"
        " are nearest-rank percentiles over all ticks of all runs; n is the number of ticks.")
    add("")
    add("| Ticks | Pass | n | p50, ms | p99, ms | max, ms | Target | Met |")
    add("|---|---|---|---|---|---|---|---|")

    def row(label, values, pass_label, target=None):
        if not values:
            add("| %s | %s | 0 | | | | | |" % (label, pass_label))
            return None
        p99 = percentile(values, 99)
        met = "" if target is None else ("yes" if p99 <= target else "**no**")
        add("| %s | %s | %d | %.3f | %.3f | %.3f | %s | %s |"
            % (label, pass_label, len(values), percentile(values, 50), p99, max(values),
               "" if target is None else "p99 <= %g ms" % target, met))
        return p99

    steady = {
        "countdown (1 s ticks)": lambda r: r["phase_before"] == 0 and r["phase_after"] == 0,
        "typing (200 ms ticks)": lambda r: r["phase_before"] == 1 and r["phase_after"] == 1,
        "formatting, without the file read": lambda r: r["phase_after"] == 2 and not r["read"],
    }
    results = {}
    for label, select in steady.items():
        pass_name = "noread" if "without" in label else "warm"
        results[label] = row(label, tick_rows(runs, pass_name, select), "driven", 2.0)
    for label, select in list(steady.items())[:2]:
        row(label, tick_rows(runs, "live", select), "live")
    reading = lambda r: r["read"] == 1
    results["read cold"] = row("formatting with the file read, cold", tick_rows(runs, "live", reading),
                               "live")
    results["read warm"] = row("formatting with the file read, warm",
                               tick_rows(runs, "warm", reading), "driven", 10.0)
    row("countdown to console (window change)",
        tick_rows(runs, "warm", lambda r: r["phase_before"] == 0 and r["phase_after"] == 1),
        "driven")
    row("formatting to gotcha (window change)",
        tick_rows(runs, "warm", lambda r: r["phase_after"] == 3), "driven")
    add("")
    add("Cold: before every run `tools/bench` drops the system directories' files from the"
        " page cache (`posix_fadvise(POSIX_FADV_DONTNEED)`), so the live pass reads them from"
        " disk; files that running Wine processes keep mapped stay cached. Warm: the same files"
        " read again by the next pass. The two window-changing ticks (the switch to the console"
        " and to the gotcha) are listed apart from their phases; they have no target.")
    add("")

    add("## Timeline: largest deviation of a tick from its nominal time")
    add("")
    worst = []
    for ticks in runs:
        live = [r for r in ticks if r["pass"] == "live"]
        deviations = [(abs(r["at_ms"] - nominal_ms(r["tick"])), r) for r in live]
        worst.append(max(deviations, key=lambda d: d[0]))
    add("Nominal times: 0 s, then every second to 13 s, the console at 14 s, then every"
        " 200 ms to the gotcha (%d ticks a run). Measured on the live pass from the start of"
        " `OnInitDialog` (where the first tick runs)." % (len(
            [r for r in runs[0] if r["pass"] == "live"]) + 1))
    add("")
    add("- Largest deviation per run: %s ms" % spread([w[0] for w in worst], "%.1f"))
    add("- Worst of all runs: %.1f ms, at tick %d (%s, nominal %.1f s, actual %.3f s)"
        % max((w[0], w[1]["tick"], PHASES[w[1]["phase_before"]], nominal_ms(w[1]["tick"]) / 1000,
               w[1]["at_ms"] / 1000) for w in worst))
    last = [r for r in runs[0] if r["pass"] == "live"][-1]
    add("- Gotcha reached after %s s (nominal %.1f s)"
        % (spread([[r for r in t if r["pass"] == "live"][-1]["at_ms"] / 1000 for t in runs],
                  "%.2f"), nominal_ms(last["tick"]) / 1000))
    add("")

    add("## Memory at the gotcha")
    add("")
    add("| | Peak working set, MiB | Private bytes (RssAnon), MiB |")
    add("|---|---|---|")
    for name, data in (("baseline", baseline), ("baseline playing the click", clicking),
                       ("velmora", velmora)):
        add("| %s | %s | %s |" % (name, spread([d["peak_working_set"] / MIB for d in data], "%.2f"),
                                  spread([d["rss_anon"] / MIB for d in data], "%.2f")))
    peak = [v["peak_working_set"] - b["peak_working_set"] for v, b in zip(velmora, baseline)]
    private = [v["rss_anon"] - b["rss_anon"] for v, b in zip(velmora, baseline)]
    add("| velmora minus baseline | %s | %s |" % (spread([p / MIB for p in peak], "%+.2f"),
                                                   spread([p / MIB for p in private], "%+.2f")))
    add("| velmora minus baseline playing the click | %s | %s |" % (
        spread([(v["peak_working_set"] - c["peak_working_set"]) / MIB
                for v, c in zip(velmora, clicking)], "%+.2f"),
        spread([(v["rss_anon"] - c["rss_anon"]) / MIB for v, c in zip(velmora, clicking)],
               "%+.2f")))
    add("")
    worst_difference = max(statistics.median(peak), statistics.median(private)) / MIB
    add("Target at most 2 MiB more than the baseline: **%s** (larger median difference %+.2f MiB)."
        % ("met" if worst_difference <= 2 else "NOT met", worst_difference))
    add("")
    add("The target is taken against the plain baseline. The baseline playing the click is the"
        " same program playing velmora's click at initialisation and on each tick, as velmora"
        " does: it shows how much of a difference is Wine's sound stack, which the first"
        " `PlaySoundA` loads.")
    add("")
    add("Read when the window takes its final caption (velmora's gotcha; the baseline's after its"
        " five ticks). Peak working set from `GetProcessMemoryInfo`; Wine reports no private"
        " bytes for another process (0), so private bytes are the Wine process's resident"
        " anonymous memory (`RssAnon` in `/proc/PID/status`), read at the same moment.")
    add("")

    add("## Commands")
    add("")
    add("```sh")
    add("tools/bench --runs %d    # everything below, then writes this file" % len(velmora))
    for command in args.commands:
        add(command)
    add("```")
    add("")
    with open(args.out, "w") as out:
        out.write("\n".join(lines))
    return results


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--wine", required=True)
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--velmora", required=True)
    parser.add_argument("--baseline", required=True)
    parser.add_argument("--monitor", required=True)
    parser.add_argument("--tickbench", required=True)
    parser.add_argument("--why", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--raw", help="also keep the measurements here, as JSON")
    parser.add_argument("--command", dest="commands", action="append", default=[])
    args = parser.parse_args()

    started = datetime.datetime.now().strftime("%Y-%m-%d %H:%M")
    load_before = load_average()
    programs = [("baseline", args.baseline, BASELINE_CAPTION),
                ("baseline playing the click", args.baseline + " click", BASELINE_CAPTION),
                ("velmora (a full run, about 45 s)", args.velmora, GOTCHA_CAPTION)]
    for _, command_line, _ in programs:
        warm_up(args, command_line)
    figures = {name: [] for name, _, _ in programs}
    runs = []
    for run in range(1, args.runs + 1):
        for name, command_line, caption in programs[::1 if run % 2 else -1]:
            log("run %d of %d: %s" % (run, args.runs, name))
            figures[name].append(monitor(args, command_line, caption))
        log("run %d of %d: tick benchmark (about 45 s)" % (run, args.runs))
        evict_system_files(args.prefix)
        runs.append(tickbench(args))
    load_after = load_average()
    if args.raw:
        with open(args.raw, "w") as raw:
            json.dump({"programs": figures, "ticks": runs}, raw)
    baseline, clicking, velmora = (figures[name] for name, _, _ in programs)
    report(args, started, baseline, clicking, velmora, runs, load_before, load_after)
    log("wrote " + args.out)


if __name__ == "__main__":
    main()
