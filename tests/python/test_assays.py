"""Assays, blends and distillation curves give the calculator's figures."""
import pytest
import viskora

from conftest import oil_args, snake_keys

CUTS = [(None, 100, 20, 700), (100, 250, 35, 790), (250, None, 45, 930)]
CUT_OPTIONS = ["--cut", ":100:20:700", "--cut", "100:250:35:790", "--cut", "250::45:930"]


def without_meta(figures):
    return {k: v for k, v in figures.items() if k not in ("kind", "status")}


@pytest.mark.parametrize("basis", ["mass", "volume"])
def test_assay_figures_are_the_calculators(calc, basis):
    options = ["--cut", ":100:19:700"] + CUT_OPTIONS[2:]
    expected = snake_keys(calc("assay", "--yield", basis, *options, "--light-end", "propane:1"))
    cuts = [(None, 100, 19, 700)] + CUTS[1:]
    assay = viskora.Assay(basis=basis, cuts=cuts, light_ends={"propane": 1})
    assert without_meta(assay.figures()) == without_meta(expected)


def test_a_blend_is_the_calculators(calc, tmp_path):
    light = viskora.Assay(name="Light", cuts=[(None, 150, 40, 720), (150, None, 60, 850)])
    heavy = viskora.Assay(name="Heavy", cuts=CUTS)
    light.save(tmp_path / "light.vka")
    heavy.save(tmp_path / "heavy.vka")
    expected = snake_keys(calc("blend", f"{tmp_path / 'light.vka'}:30",
                               f"{tmp_path / 'heavy.vka'}:70", "--by", "volume"))
    blend = viskora.blend([(light, 30), (heavy, 70)], by="volume")
    assert without_meta(blend.figures()) == without_meta(expected)
    with pytest.raises(viskora.InputError):
        viskora.blend([(light, 30), (heavy, 60)])


CURVES = {
    "D86": ("D86", [(10, 120), (30, 190), (50, 250), (70, 310), (90, 390)], {}),
    "TBP by mass in 8 rows": ("TBP-mass", [(5, 80), (50, 260), (95, 480)], {"rows": 8}),
}


@pytest.mark.parametrize("curve", CURVES.values(), ids=CURVES.keys())
def test_a_distillation_curve_gives_the_calculators_oil(calc, curve):
    kind, points, rule = curve
    options = ["--curve", kind]
    for percent, temperature in points:
        options += ["--curve-point", f"{percent}:{temperature}"]
    if "rows" in rule:
        options += ["--curve-rows", str(rule["rows"])]
    expected = snake_keys(calc("basic", *oil_args(density=845), *options, "--yes"))
    converted = viskora.distillation_curve(viskora.Oil(density=845), kind, points, **rule)
    assert converted["oil"].fractions.tolist() == [
        [float(r["start"]), float(r["end"]), float(r["share"])] for r in expected["curve"]["rows"]]
    figures = viskora.basic(converted["oil"], warnings="accept").as_dict()
    assert figures.pop("characterisation") == expected["characterisation"]
    assert figures == expected["results"]
    with pytest.raises(viskora.InputError):
        viskora.distillation_curve(viskora.Oil(density=845), kind, [(50, 250)])
