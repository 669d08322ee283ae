"""Runs the calculator the module is checked against: VISKORA_CALC names it."""
import json
import os
import subprocess

import pytest


def snake(name):
    return "".join("_" + c.lower() if c.isupper() else c for c in name)


def snake_keys(value):
    """The calculator's JSON with its keys as the module names them."""
    if isinstance(value, dict):
        return {snake(k): snake_keys(v) for k, v in value.items()}
    if isinstance(value, list):
        return [snake_keys(v) for v in value]
    return value


@pytest.fixture(scope="session")
def calc():
    path = os.environ.get("VISKORA_CALC")
    if not path:
        pytest.fail("VISKORA_CALC must name the built viskora-calc")

    def run(*args, json_output=True, check=True):
        command = [path, *args] + (["--json"] if json_output else [])
        done = subprocess.run(command, capture_output=True, check=False)
        if check and done.returncode not in (0, 2, 3, 4):
            raise AssertionError(done.stderr.decode())
        return json.loads(done.stdout) if json_output else done.stdout

    return run


def oil_args(density=None, density_temperature=20, density_unit="kg/m3", temperature_unit="C",
             fractions=None, viscosity_method="whole", vapour_pressure_method="average",
             light_ends=None):
    """The calculator's options for the module's Oil arguments."""
    args = ["--density", str(density if density is not None else 0),
            "--density-temp", str(density_temperature), "--density-unit", density_unit,
            "--temp-unit", temperature_unit, "--viscosity-method", viscosity_method,
            "--vapour-pressure-method", vapour_pressure_method]
    for start, end, share in fractions or []:
        args += ["--fraction", f"{start}:{end}:{share}"]
    for component, share in (light_ends or {}).items():
        args += ["--light-end", f"{component}:{share}"]
    return args
