"""Benchmark figures that cannot be true (data/cpu_figure_checks.tsv reviews each of them).

PassMark's figures are averages of what users upload, and a few of them come from
a handful of broken runs. Such a figure decides a rank as firmly as a good one and
would be shown to the user, so every figure is compared with those of its family:
  - a multi-thread figure below the single-thread one, in a family whose parts have
    several cores (their multi-thread figures are at least MULTI_CORE_RATIO times their
    single-thread ones): every core but one would have to be idle;
  - a single-thread figure far from its family's at a similar clock (the same cores at
    the same clock give the same single-thread figure);
  - a multi-thread figure far below its family's at a similar clock.
Dual-core parts of 2005-2010 do have multi-thread figures below their single-thread
ones (the two benchmarks use different scales), hence the family condition.
"""

import re
import statistics

MULTI_CORE_RATIO = 3
SINGLE_RANGE = (0.7, 1.45)  # of the family's median at a similar clock
MULTI_FLOOR = 0.25  # of the family's median at a similar clock; core counts differ within a family
CLOCK_SPAN = 0.3  # GHz either side: "a similar clock"
MIN_SIBLINGS = 3


def family(name):
    """The model's family: its name without the clock, the model number's later digits as x.

    "Intel Xeon Gold 6133 @ 2.50GHz" gives "Intel Xeon Gold 61xx", "Intel Core i7-920" gives
    "Intel Core i7-9xx"; a mobile suffix stays ("i5-4200U" and "i5-4570" are not siblings)."""
    def generation(m):
        keep = 1 if len(m.group(1)) == 3 else 2
        suffix = m.group(2) if re.search(r"[UMHYG]", m.group(2)) else ""
        return m.group(1)[:keep] + "x" * (len(m.group(1)) - keep) + suffix
    return re.sub(r"(?<!\d)(\d{3,5})(?!\d)([A-Za-z]*\d?)", generation, re.sub(r"\s*@.*$", "", name), count=1)


def clock(name):
    m = re.search(r"@ ?([\d.]+)GHz", name)
    return float(m.group(1)) if m else None


def doubts(figures):
    """{model: why} of every figure pair the checks above refuse; figures: {model: (single, multi)}."""
    families = {}
    for key in figures:
        families.setdefault(family(key), []).append(key)
    found = {}
    for key, (single, multi) in figures.items():
        siblings = [k for k in families[family(key)] if k != key]
        at = clock(key)
        near = [k for k in siblings
                if at is not None and clock(k) is not None and abs(clock(k) - at) <= CLOCK_SPAN]
        why = []
        ratios = [figures[k][1] / figures[k][0] for k in siblings if figures[k][0]]
        many_cores = len(ratios) >= MIN_SIBLINGS and statistics.median(ratios) >= MULTI_CORE_RATIO
        if single and multi < single and many_cores:
            why.append("multi-thread %d below single-thread %d, where %s parts have %.1f times their single-thread"
                       " figure" % (multi, single, family(key), statistics.median(ratios)))
        singles = [figures[k][0] for k in near if figures[k][0]]
        if single and len(singles) >= MIN_SIBLINGS:
            median = statistics.median(singles)
            if not SINGLE_RANGE[0] <= single / median <= SINGLE_RANGE[1]:
                why.append("single-thread %d, %s parts at %.2f GHz +-%.1f have %d" % (single, family(key), at,
                                                                                    CLOCK_SPAN, median))
        multis = [figures[k][1] for k in near]
        if len(multis) >= MIN_SIBLINGS and multi < MULTI_FLOOR * statistics.median(multis):
            why.append("multi-thread %d, %s parts at %.2f GHz +-%.1f have %d"
                       % (multi, family(key), at, CLOCK_SPAN, statistics.median(multis)))
        if why:
            found[key] = "; ".join(why)
    return found
