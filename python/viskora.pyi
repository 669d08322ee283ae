"""Thermophysical properties of crude oil and its products (type stub)."""
from os import PathLike
from typing import Any, Iterator, Literal, Mapping, Optional, Sequence, Tuple, Union

import numpy as np
import numpy.typing as npt

_Path = Union[str, PathLike[str]]
_Rows = Union[Sequence[Sequence[float]], npt.ArrayLike]
_Warnings = Literal["accept", "refuse"]

class Error(Exception):
    text: str

class InputError(Error, ValueError): ...
class CalculationError(Error, RuntimeError): ...

class WarningRefused(CalculationError):
    kind: Literal["warning", "question"]

class CalculationWarning:
    @property
    def text(self) -> str: ...
    @property
    def kind(self) -> Literal["warning", "question"]: ...

class Oil:
    def __init__(
        self,
        *,
        density: Optional[float] = None,
        density_temperature: float = 20,
        density_unit: str = "kg/m3",
        temperature_unit: str = "C",
        fractions: Optional[_Rows] = None,
        viscosity_method: Literal["whole", "cuts"] = "whole",
        vapour_pressure_method: Literal["average", "cuts"] = "average",
        light_ends: Optional[Mapping[str, float]] = None,
    ) -> None: ...
    @property
    def density(self) -> float: ...
    @property
    def density_temperature(self) -> float: ...
    @property
    def density_unit(self) -> str: ...
    @property
    def temperature_unit(self) -> str: ...
    @property
    def fractions(self) -> Optional[np.ndarray]: ...
    @property
    def viscosity_method(self) -> str: ...
    @property
    def vapour_pressure_method(self) -> str: ...
    @property
    def light_ends(self) -> dict[str, float]: ...

class BasicResult:
    density: float  # kg/m3
    specific_heat: float  # kJ/(kg K)
    thermal_conductivity: float  # W/(m K)
    kinematic_viscosity: float  # mm2/s
    surface_tension: float  # N/m
    vapour_pressure: float  # MPa
    pseudo_crit_temp: float  # deg.C
    prandtl: float
    characterisation: dict[str, float]
    warnings: list[CalculationWarning]
    shown: dict[str, str]
    def as_dict(self) -> dict[str, Any]: ...
    def save(self, path: _Path) -> None: ...

class AdditionalResult:
    gas_mass_share: float  # %
    liquid_mass_share: float  # %
    gas_density: float  # kg/m3
    gas_specific_heat: float  # kJ/(kg K)
    gas_conductivity: float  # W/(m K)
    gas_viscosity: float  # mm2/s
    gas_vaporisation_enthalpy: float  # kJ/kg
    gas_prandtl: float
    liquid_density: float  # kg/m3
    liquid_specific_heat: float  # kJ/(kg K)
    liquid_conductivity: float  # W/(m K)
    liquid_viscosity: float  # mm2/s
    liquid_surface_tension: float  # N/m
    prandtl: float
    bubble_point_pressure: Optional[float]  # MPa
    bubble_point_note: Optional[str]
    characterisation: dict[str, float]
    whole_oil_characterisation: dict[str, float]
    warnings: list[CalculationWarning]
    shown: dict[str, str]
    def as_dict(self) -> dict[str, Any]: ...
    def save(self, path: _Path) -> None: ...

class Curves:
    variable: str
    status: list[str]
    messages: list[str]
    units: dict[str, str]
    warnings: list[CalculationWarning]
    def __getitem__(self, name: str) -> np.ndarray: ...
    def __getattr__(self, name: str) -> np.ndarray: ...
    def __contains__(self, name: str) -> bool: ...
    def __iter__(self) -> Iterator[str]: ...
    def __len__(self) -> int: ...
    def keys(self) -> list[str]: ...
    def as_dict(self) -> dict[str, np.ndarray]: ...

class Assay:
    def __init__(
        self,
        *,
        name: str = "",
        basis: Literal["mass", "volume"] = "mass",
        cuts: Sequence[Sequence[Optional[float]]] = ...,
        density: Optional[float] = None,
        density_temperature: float = 15,
        light_ends: Optional[Mapping[str, float]] = None,
    ) -> None: ...
    @property
    def name(self) -> str: ...
    @property
    def basis(self) -> str: ...
    @property
    def cuts(self) -> list[tuple]: ...
    def figures(self) -> dict[str, Any]: ...
    def save(self, path: _Path) -> None: ...

def basic(oil: Oil, *, warnings: _Warnings = "refuse") -> BasicResult: ...
def additional(
    oil: Oil,
    *,
    temperature: float,
    pressure: float,
    temperature_unit: Optional[str] = None,
    pressure_unit: str = "MPa",
    warnings: _Warnings = "refuse",
) -> AdditionalResult: ...
def curves(
    oil: Oil,
    *,
    temperatures: Optional[npt.ArrayLike] = None,
    pressures: Optional[npt.ArrayLike] = None,
    temperature: Optional[float] = None,
    pressure: Optional[float] = None,
    pressure_unit: str = "MPa",
    measured_viscosities: Optional[_Rows] = None,
    warnings: _Warnings = "refuse",
    threads: int = 1,
) -> Curves: ...
def distillation_curve(
    oil: Oil,
    curve_type: Literal["D86", "TBP-volume", "TBP-mass", "SimDist", "D1160"],
    points: _Rows,
    *,
    method: Literal["daubert", "riazi-daubert"] = "daubert",
    rows: Optional[int] = None,
    step: Optional[int] = None,
) -> dict[str, Any]: ...
def read_calculation(path: _Path) -> dict[str, Any]: ...
def read_assay(path: _Path) -> Assay: ...
def blend(
    parts: Sequence[Tuple[Assay, float]],
    *,
    by: Literal["mass", "volume"] = "mass",
    name: str = "Blend",
) -> Assay: ...
def save_curves(
    path: _Path,
    oil: Oil,
    *,
    temperatures: Optional[Tuple[float, float, float]] = None,
    pressures: Optional[Tuple[float, float, float]] = None,
    temperature: Optional[float] = None,
    pressure: Optional[float] = None,
    pressure_unit: str = "MPa",
    measured_viscosities: Optional[_Rows] = None,
) -> None: ...
def read_curves(path: _Path) -> dict[str, Any]: ...
