"""Documents written from Python are the calculator's, byte for byte."""
import pytest
import viskora

from conftest import oil_args

CALCULATIONS = {
    "basic, density only": (dict(density=850), ()),
    "basic, fractions by cuts": (dict(density=880, fractions=[(35, 200, 40), (200, 420, 60)],
                                      viscosity_method="cuts"), ()),
    "additional with light ends": (
        dict(density=840, fractions=[(0, 150, 30), (150, 350, 50), (350, 550, 20)],
             vapour_pressure_method="cuts", light_ends={"propane": 0.5}),
        ("--design-temp", "120", "--design-pressure", "2.5", "--pressure-unit", "bar")),
}


@pytest.mark.parametrize("case", CALCULATIONS.values(), ids=CALCULATIONS.keys())
def test_a_saved_calculation_is_the_calculators_file(calc, tmp_path, case):
    oil, design = case
    by_calc, by_python = tmp_path / "calc.vkr", tmp_path / "python.vkr"
    kind = "additional" if design else "basic"
    calc(kind, *oil_args(**oil), *design, "--save", str(by_calc), json_output=False)
    if design:
        result = viskora.additional(viskora.Oil(**oil), temperature=float(design[1]),
                                    pressure=float(design[3]), pressure_unit=design[5])
    else:
        result = viskora.basic(viskora.Oil(**oil))
    result.save(by_python)
    assert by_python.read_bytes() == by_calc.read_bytes()
    shown = calc("show", str(by_python), json_output=False)
    assert shown == calc("show", str(by_calc), json_output=False)

    read = viskora.read_calculation(by_python)
    assert read["kind"] == kind
    assert repr(read["oil"]) == repr(viskora.Oil(**oil))
    # The file keeps the figures as the form shows them.
    for name, value in read["results"].items():
        assert value == pytest.approx(getattr(result, name), rel=1e-3, abs=0.05), name


def test_an_assay_saved_from_python_is_the_calculators(calc, tmp_path):
    cuts = [(None, 100, 20, 700), (100, 250, 35, 790), (250, None, 45, 930)]
    calc("assay", "--name", "North", "--cut", ":100:20:700", "--cut", "100:250:35:790",
         "--cut", "250::45:930", "--save", str(tmp_path / "calc.vka"), json_output=False)
    assay = viskora.Assay(name="North", cuts=cuts)
    assay.save(tmp_path / "python.vka")
    assert (tmp_path / "python.vka").read_bytes() == (tmp_path / "calc.vka").read_bytes()
    assert viskora.read_assay(tmp_path / "python.vka") == assay


def test_a_curves_document_reads_back_as_saved(tmp_path):
    oil = viskora.Oil(density=860, fractions=[(0, 250, 40), (250, 450, 60)], viscosity_method="cuts")
    viskora.save_curves(tmp_path / "sweep.vkc", oil, temperatures=(0, 300, 25), pressure=0.4,
                        measured_viscosities=[(12.5, 40)])
    read = viskora.read_curves(tmp_path / "sweep.vkc")
    assert repr(read["oil"]) == repr(oil)
    assert read["temperatures"] == (0, 300, 25) and read["pressure"] == 0.4
    assert read["measured_viscosities"] == [(12.5, 40)]


def test_a_file_that_is_no_document_raises_input_error(tmp_path):
    (tmp_path / "note.vkr").write_text("not a calculation")
    with pytest.raises(viskora.InputError):
        viskora.read_calculation(tmp_path / "note.vkr")
    with pytest.raises(OSError):
        viskora.basic(viskora.Oil(density=850)).save(tmp_path / "missing" / "x.vkr")
