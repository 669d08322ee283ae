"""The engine's errors and warnings reach Python as exceptions with its text."""
import concurrent.futures

import numpy as np
import pytest
import viskora

from conftest import oil_args

REFUSED = {
    "density out of range": (dict(density=1000), "basic", (), viskora.WarningRefused),
    "no density, no fractions": (dict(density=None), "basic", (), viskora.InputError),
    "shares over 100": (dict(density=850, fractions=[(0, 200, 60), (200, 400, 60)]), "basic", (),
                        viskora.InputError),
    "zero pressure": (dict(density=850), "additional",
                      ("--design-temp", "20", "--design-pressure", "0"), viskora.InputError),
    "above the pseudocritical temperature": (
        dict(density=850), "additional", ("--design-temp", "2000", "--design-pressure", "0.1"),
        viskora.WarningRefused),
}


def call(kind, oil, extra, warnings="refuse"):
    if kind == "basic":
        return viskora.basic(oil, warnings=warnings)
    return viskora.additional(oil, temperature=float(extra[1]), pressure=float(extra[3]),
                              warnings=warnings)


@pytest.mark.parametrize("case", REFUSED.values(), ids=REFUSED.keys())
def test_a_refusal_raises_with_the_engines_text(calc, case):
    oil, kind, extra, error = case
    expected = calc(kind, *oil_args(**oil), *extra)
    with pytest.raises(error) as raised:
        call(kind, viskora.Oil(**oil), extra)
    assert str(raised.value) == expected["messages"][-1]["text"]
    assert raised.value.text == expected["messages"][-1]["text"]
    assert isinstance(raised.value, viskora.Error)
    assert isinstance(raised.value, ValueError if error is viskora.InputError else RuntimeError)


def test_an_accepted_warning_goes_on_and_is_kept(calc):
    expected = calc("basic", *oil_args(density=1000), "--yes")
    result = viskora.basic(viskora.Oil(density=1000), warnings="accept")
    assert result.density == expected["results"]["density"]
    assert [(w.kind, w.text) for w in result.warnings] == [
        ("warning", m["text"]) for m in expected["messages"]]


def test_a_sweep_keeps_each_points_stop_and_raises_when_none_completes():
    oil = viskora.Oil(density=850)
    curves = viskora.curves(oil, temperatures=[20, 2000], pressure=0.1)
    assert curves.status == ["ok", "stopped"]
    assert np.isnan(curves["liquid_density"][1]) and curves.messages[1]
    with pytest.raises(viskora.WarningRefused):
        viskora.curves(oil, temperatures=[2000, 2100], pressure=0.1)


WRONG_ARGUMENTS = {
    "density as text": (TypeError, lambda: viskora.Oil(density="850")),
    "density NaN": (ValueError, lambda: viskora.Oil(density=float("nan"))),
    "density a bool": (TypeError, lambda: viskora.Oil(density=True)),
    "fractions N x 2": (ValueError, lambda: viskora.Oil(fractions=np.zeros((3, 2)))),
    "fraction row of two": (ValueError, lambda: viskora.Oil(fractions=[(0, 300)])),
    "fraction cells as text": (TypeError, lambda: viskora.Oil(fractions=[("0", "300", "100")])),
    "101 fractions": (ValueError, lambda: viskora.Oil(fractions=[(i, i + 1, 1) for i in range(101)])),
    "unknown unit": (ValueError, lambda: viskora.Oil(density=850, density_unit="kg/l")),
    "unknown method": (ValueError, lambda: viskora.Oil(density=850, viscosity_method="fast")),
    "unknown light end": (ValueError, lambda: viskora.Oil(density=850, light_ends={"methane": 1})),
    "unknown answer": (ValueError, lambda: viskora.basic(viskora.Oil(density=850), warnings="yes")),
    "temperatures 2-D": (ValueError, lambda: viskora.curves(viskora.Oil(density=850),
                                                            temperatures=np.zeros((2, 2)))),
    "temperatures with NaN": (ValueError, lambda: viskora.curves(
        viskora.Oil(density=850), temperatures=np.array([20.0, np.nan]))),
    "temperatures as text": (TypeError, lambda: viskora.curves(viskora.Oil(density=850),
                                                               temperatures="20,30")),
    "both sweeps": (TypeError, lambda: viskora.curves(viskora.Oil(density=850), temperatures=[1],
                                                      pressures=[1])),
    "no threads": (ValueError, lambda: viskora.curves(viskora.Oil(density=850), temperatures=[1],
                                                      threads=0)),
}


@pytest.mark.parametrize("case", WRONG_ARGUMENTS.values(), ids=WRONG_ARGUMENTS.keys())
def test_wrong_arguments_raise_pythons_errors(case):
    error, make = case
    with pytest.raises(error):
        make()


def test_calculations_from_many_threads_are_the_sequential_ones():
    oils = [viskora.Oil(density=d, fractions=[(0, 200 + d // 10, 100)]) for d in range(700, 960, 10)]
    sequential = [viskora.basic(oil).as_dict() for oil in oils]
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        parallel = list(pool.map(lambda oil: viskora.basic(oil).as_dict(), oils))
        sweeps = list(pool.map(lambda oil: viskora.curves(oil, temperatures=[20, 80],
                                                          pressure=0.2).liquid_density.tolist(),
                               oils))
    assert parallel == sequential
    assert sweeps == [viskora.curves(oil, temperatures=[20, 80], pressure=0.2)
                      .liquid_density.tolist() for oil in oils]
