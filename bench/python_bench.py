"""The Python module's speed beside the C++ calls it makes.

Run by `cmake --build build --target viskora_python_bench`, or by hand:
    PYTHONPATH=build/python /usr/bin/python3 bench/python_bench.py \
        build/bench/viskora_bench build/bench/viskora_curves_bench
It times, with timeit, basic() on the fraction-table oil of the C++
benchmark BM_BasicFractionMode and curves() over the 10,000 temperatures of
BM_Sweep10000TwentyFractions, runs those two benchmarks, and prints each
pair and their ratio.
"""
import json
import subprocess
import sys
import timeit

import numpy as np
import viskora


def cpp_seconds(program, name):
    """The C++ benchmark's real time per iteration, in seconds."""
    done = subprocess.run([program, f"--benchmark_filter=^{name}$", "--benchmark_format=json",
                           "--benchmark_min_time=1"], capture_output=True, check=True, text=True)
    run = json.loads(done.stdout)["benchmarks"][0]
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[run["time_unit"]]
    return run["real_time"] * scale


def python_seconds(call, repeat=5):
    """The best of `repeat` timings of as many calls as fill about a second."""
    timer = timeit.Timer(call)
    count, _ = timer.autorange()
    return min(timer.repeat(repeat=repeat, number=count)) / count


def main(calculation_bench, curves_bench):
    fraction_oil = viskora.Oil(fractions=[(0, 300, 100)])
    twenty_fractions = viskora.Oil(density=850,
                                   fractions=[(20 + 20 * i, 40 + 20 * i, 5) for i in range(1, 21)])
    temperatures = np.linspace(1, 300, 10000)
    cases = [
        ("basic, fraction-table oil", calculation_bench, "BM_BasicFractionMode",
         lambda: viskora.basic(fraction_oil)),
        ("curves, 10,000 temperatures", curves_bench, "BM_Sweep10000TwentyFractions",
         lambda: viskora.curves(twenty_fractions, temperatures=temperatures, pressure=0.3,
                                warnings="accept")),
    ]
    print(f"{'call':30}{'C++':>14}{'Python':>14}{'ratio':>8}")
    for title, program, benchmark, call in cases:
        native = cpp_seconds(program, benchmark)
        python = python_seconds(call)
        print(f"{title:30}{native * 1e3:11.3f} ms{python * 1e3:11.3f} ms{python / native:8.2f}")


if __name__ == "__main__":
    main(*sys.argv[1:3])
