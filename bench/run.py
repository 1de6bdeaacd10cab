#!/usr/bin/env python3
"""The benchmark, run by CTest's test "bench" in the Wine session: velmora against
the baseline, $BENCH_RUNS times (default 5). Writes the report; exits 1 when a
ratio misses its target.   usage: run.py REPORT ARCH VELMORA BASELINE MONITOR TICKBENCH
"""
import datetime, os, platform, statistics, subprocess, sys, time

REPORT, ARCH, VELMORA, BASELINE, MONITOR, TICKBENCH = sys.argv[1:]
RUNS, STARTS = int(os.environ.get("BENCH_RUNS", "5")), 5  # STARTS: start-ups a run and program
PROGRAMS = [VELMORA, BASELINE]
PHASES = ["countdown", "typing", "formatting"]
# What is compared, its target and why a user would hold velmora to it.
TARGETS = {
    "start-up": ("Start-up: process start to the first paint", 1.2, "before it is shown velmora"
                 " does about what the baseline does; a fifth more goes unnoticed, and leaves"
                 " room for Wine's start-ups, which vary by more than a tenth from run to run."),
    "tick": ("Tick: timer handler plus the paint it forces", 3.0, "velmora's ticks do more than"
             " the baseline's (the countdown also stops the click before, the formatting reads a"
             " file, every screen is fuller); three times leaves room for that, not for more."),
    "memory": ("Memory: peak working set at the final screen", 1.1, "nearly all of it is Wine and"
               " its sound stack, which both load; velmora's own part should be small."),
}
TEXT = """# Benchmarks

Written by the benchmark (`tools/bench`, CTest's test `bench`) on {date}: velmora against the baseline, a minimal dialog program (`bench/Baseline.cpp`) that plays velmora's click when it starts and on each tick. Each ratio is velmora's figure over the baseline's from the same run: the median over {runs} runs, the range in brackets. A median above its target fails the test.

| Ratio velmora / baseline | Median (range) | Target | Met |
|---|---|---|---|
{table}

The figures behind the ratios (medians over the runs, ranges in brackets):

- Start-up, ms (each run's median): velmora {startup[0]}; baseline {startup[1]}
- Peak working set, MiB: velmora {memory[0]}; baseline {memory[1]}
- Tick, ms: velmora's countdown {tick[0]}, typing {tick[1]}, formatting {tick[2]}; baseline {tick[3]}

## Machine

- {cpu}, {cpus} logical CPUs; {system}; {wine}
- Build: `{build}`, {arch}
- Load average (1 minute) at the start and at the end: {load[0]:.2f}, {load[1]:.2f}

## How the figures are taken

- Start-up: `velmora_monitor` (`bench/Monitor.cpp`) starts the program with `CreateProcess`, waits with `WaitForInputIdle`, then polls every millisecond until the program's window is visible with an empty update region. It first starts Wine's desktop process, which ends about a second after its last program, so that neither program pays for that. Each program is started once before the runs and left out; a run's figure is the median of {starts} starts of each, in turns, their order alternating from run to run. Most of the time is Wine starting a process.
- Memory: the same monitor follows one whole run of each program (order alternating) to its final caption, velmora's gotcha or the baseline's last tick, and there reads the peak working set with `GetProcessMemoryInfo`.
- Tick: `velmora_tickbench` (`bench/TickBench.cpp`) runs both dialogs in one process, in alternating order, and times each call of the timer handler with `QueryPerformanceCounter`, the paint it forces included: velmora's real `CFormatDlg::OnTimer` through a subclass, the baseline's `WM_TIMER` handler, on the shown dialog. A timer of the bench's own drives the ticks every 50 ms, long after the click before has ended; the programs' own timers are dropped. velmora's figure in a run is the median tick of its dearest phase (ticks that change the phase are left out), the baseline's the median of its ticks.

## Targets

{targets}

## Repeat

`tools/bench` installs what is missing, configures the test preset, builds the benchmark's programs (`cmake --build --preset bench`) and runs `ctest --preset bench` (`bench-x64` where 32-bit Wine cannot start), which writes this file; `BENCH_RUNS=N tools/bench` for other than 5 runs. Here it took {seconds:.0f} s a run.
"""


def wine(*args):
    done = subprocess.run([os.environ["VELMORA_WINE"], *args], stdout=subprocess.PIPE, text=True)
    if done.returncode:
        sys.exit("bench: %s ended with %d" % (" ".join(args), done.returncode))
    return done.stdout


def monitor(exe, until):  # start-up in ms; peak working set in MiB at its final caption ("final")
    fields = dict(field.split("=") for field in wine(MONITOR, exe, until).split())
    return float(fields["startup_ms"]), float(fields.get("peak_working_set", 0)) / 2**20


def ticks(order):  # each phase's median tick in ms, and the baseline's
    costs = {}
    for line in wine(TICKBENCH, order).split():
        program, phase, cost = line.split(",")
        cost = float(cost)
        costs.setdefault(PHASES[int(phase)] if program == "velmora" else program, []).append(cost)
    return [statistics.median(costs[name]) for name in PHASES + ["baseline"]]


def spread(values, fmt="%.2f"):
    return "%s (%s to %s)" % tuple(fmt % f(values) for f in (statistics.median, min, max))


def main():
    started, load = time.time(), [os.getloadavg()[0]]
    for exe in PROGRAMS:  # the first start after a build reads everything from disk
        monitor(exe, "-")
    runs = []
    for run in range(RUNS):
        print("[bench] run %d of %d" % (run + 1, RUNS), file=sys.stderr, flush=True)
        order = PROGRAMS[::1 if run % 2 == 0 else -1]
        memory = {exe: monitor(exe, "final")[1] for exe in order}
        starts = [monitor(exe, "-")[0] for _ in range(STARTS) for exe in order]  # in turns
        runs.append([(statistics.median(starts[order.index(exe)::2]), memory[exe])
                     for exe in PROGRAMS] + [ticks("%s-first" % ("velmora", "baseline")[run % 2])])
    load.append(os.getloadavg()[0])
    ratios = {"start-up": [v[0] / b[0] for v, b, _ in runs],
              "tick": [max(t[:3]) / t[3] for _, _, t in runs],
              "memory": [v[1] / b[1] for v, b, _ in runs]}
    met = {name: statistics.median(ratios[name]) <= TARGETS[name][1] for name in TARGETS}
    table = "\n".join("| %s | %s | at most %.1f | %s |" % (
        what, spread(ratios[name]), target, "yes" if met[name] else "**no**")
        for name, (what, target, _) in TARGETS.items())
    cpu = next(line for line in open("/proc/cpuinfo") if line.startswith("model name"))
    system = platform.freedesktop_os_release()["PRETTY_NAME"] + ", Linux " + platform.release()
    with open(REPORT, "w") as report:
        report.write(TEXT.format(
            date=datetime.date.today(), runs=RUNS, starts=STARTS, table=table, load=load,
            startup=[spread([r[i][0] for r in runs], "%.1f") for i in (0, 1)],
            memory=[spread([r[i][1] for r in runs]) for i in (0, 1)],
            tick=[spread([r[2][i] for r in runs], "%.3f") for i in range(4)],
            cpu=cpu.split(":", 1)[1].strip(), cpus=os.cpu_count(), wine=wine("--version").strip(),
            system=system,
            build=os.path.relpath(VELMORA, os.path.dirname(os.path.dirname(REPORT))),
            arch="32-bit (i686), the shipped architecture" if ARCH == "i686" else "64-bit (%s): the"
            " same sources, which tools/bench runs where 32-bit Wine cannot start" % ARCH,
            targets="\n".join("- %s at most %.1f: %s" % (what.split(":")[0], target, why)
                              for what, target, why in TARGETS.values()),
            seconds=(time.time() - started) / RUNS))
    print(table)
    return 0 if all(met.values()) else 1


sys.exit(main())
