"""Every figure from Python is the calculator's, to the last bit."""
import pytest
import viskora

from conftest import oil_args, snake_keys

TWENTY_ROWS = [(20 + 20 * i, 40 + 20 * i, 5) for i in range(1, 21)]

OILS = {
    "density only": dict(density=850),
    "light, g/cm3 at 15": dict(density=0.72, density_unit="g/cm3", density_temperature=15),
    "deg.F": dict(density=870, density_temperature=68, temperature_unit="F"),
    "one fraction, density from cuts": dict(fractions=[(0, 300, 100)]),
    "twenty fractions by cuts": dict(density=880, fractions=TWENTY_ROWS, viscosity_method="cuts"),
    "true vapour pressure with light ends": dict(
        density=840, fractions=[(0, 150, 30), (150, 350, 50), (350, 0, 20)],
        vapour_pressure_method="cuts", light_ends={"propane": 0.5, "n-butane": 1.5}),
}

STATES = {
    "two phases": ("200", "0.05", "MPa"),
    "liquid at 3 bar": ("20", "3", "bar"),
    "hot, in kPa": ("350", "150", "kPa"),
}


@pytest.mark.parametrize("oil", OILS.values(), ids=OILS.keys())
def test_basic_is_the_calculators(calc, oil):
    expected = snake_keys(calc("basic", *oil_args(**oil), "--yes"))
    result = viskora.basic(viskora.Oil(**oil), warnings="accept")
    figures = result.as_dict()
    assert figures.pop("characterisation") == expected["characterisation"]
    assert figures == expected["results"]
    assert result.shown == expected["shown"]
    assert [w.text for w in result.warnings] == [m["text"] for m in expected["messages"]]


@pytest.mark.parametrize("state", STATES.values(), ids=STATES.keys())
@pytest.mark.parametrize("oil", OILS.values(), ids=OILS.keys())
def test_additional_is_the_calculators(calc, oil, state):
    temperature, pressure, unit = state
    expected = snake_keys(calc("additional", *oil_args(**oil), "--design-temp", temperature,
                               "--design-pressure", pressure, "--pressure-unit", unit, "--yes"))
    result = viskora.additional(viskora.Oil(**oil), temperature=float(temperature),
                                pressure=float(pressure), pressure_unit=unit, warnings="accept")
    if expected["status"] != "ok":
        pytest.fail(f"the calculator stopped: {expected['messages']}")
    figures = result.as_dict()
    assert figures.pop("characterisation") == expected["characterisation"]
    assert figures.pop("whole_oil_characterisation") == expected["whole_oil_characterisation"]
    results = expected["results"]
    assert figures.pop("bubble_point_pressure", None) == results.get("bubble_point_pressure")
    assert result.bubble_point_pressure == results.pop("bubble_point_pressure", None)
    assert figures == results
    assert result.bubble_point_note == expected.get("bubble_point_note")


def test_a_design_temperature_in_another_unit_is_the_oils():
    oil = viskora.Oil(density=850)
    in_kelvin = viskora.additional(oil, temperature=473.15, temperature_unit="K", pressure=0.05)
    in_celsius = viskora.additional(oil, temperature=200, pressure=0.05)
    assert in_kelvin.gas_mass_share == pytest.approx(in_celsius.gas_mass_share, rel=1e-9)


CURVES = {
    "over temperature": ("--temps", "-20:400:20", "--design-pressure", "0.1"),
    "over pressure": ("--pressures", "0.05:2:0.15", "--design-temp", "250"),
}


@pytest.mark.parametrize("oil", [OILS["density only"], OILS["true vapour pressure with light ends"]],
                         ids=["density only", "light ends"])
@pytest.mark.parametrize("sweep", CURVES.values(), ids=CURVES.keys())
def test_curves_are_the_calculators_points(calc, oil, sweep):
    option, span, fixed_option, fixed = sweep
    expected = snake_keys(calc("curves", *oil_args(**oil), option, span, fixed_option, fixed,
                               "--yes"))
    values = [p["temperature" if option == "--temps" else "pressure"] for p in expected["points"]]
    fixed_name = "pressure" if option == "--temps" else "temperature"
    swept = "temperatures" if option == "--temps" else "pressures"
    curves = viskora.curves(viskora.Oil(**oil), **{swept: values, fixed_name: float(fixed)},
                            warnings="accept", threads=3)
    for i, point in enumerate(expected["points"]):
        assert curves.status[i] == point["status"]
        row = {name: curves[name][i] for name in curves.keys()}
        if point["status"] == "ok":
            for name, value in point["results"].items():
                assert row[name] == value, name
            assert row["vapour_pressure"] == point["vapour_pressure"]
            if point["true_vapour_pressure"] is not None:
                assert row["true_vapour_pressure"] == point["true_vapour_pressure"]
        assert curves.messages[i] == point.get("message", "")


def test_curves_on_threads_are_the_same_points():
    temperatures = [float(t) for t in range(-40, 500, 7)]
    oil = viskora.Oil(density=870, fractions=TWENTY_ROWS)
    one = viskora.curves(oil, temperatures=temperatures, pressure=0.2, warnings="accept")
    four = viskora.curves(oil, temperatures=temperatures, pressure=0.2, warnings="accept",
                          threads=4)
    assert one.status == four.status and one.messages == four.messages
    for name in one.keys():
        assert one[name].tobytes() == four[name].tobytes(), name


@pytest.mark.parametrize("measured", [[(25.0, 20)], [(25.0, 20), (6.5, 80)]],
                         ids=["one point", "two points"])
def test_an_anchored_curve_is_the_calculators(calc, measured):
    options = []
    for viscosity, temperature in measured:
        options += ["--measured-viscosity", f"{viscosity}@{temperature}"]
    expected = snake_keys(calc("curves", *oil_args(density=870), "--temps", "0:300:30",
                               "--design-pressure", "0.3", *options, "--yes"))
    curves = viskora.curves(viskora.Oil(density=870), temperatures=[p["temperature"] for p in
                                                                    expected["points"]],
                            pressure=0.3, measured_viscosities=measured, warnings="accept")
    anchored = [p["anchored_liquid_viscosity"] for p in expected["points"]]
    got = [None if v != v else v for v in curves["anchored_liquid_viscosity"].tolist()]
    assert got == anchored
