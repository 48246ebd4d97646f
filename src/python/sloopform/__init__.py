"""Sloopform hull generator for Python: designs, generation runs and their figures.

    >>> import sloopform
    >>> design = sloopform.Design.load("examples/cruiser-10m.sfp")
    >>> hull = sloopform.generate(design)
    >>> hull.hydrostatics["volume"]
"""
from .errors import Cancelled, GenerationError
from ._sloopform import (EXACT_HYDROSTATICS_KEYS, HYDROSTATICS_KEYS, PARAMETER_KEYS, RESISTANCE_KEYS,
                         STABILITY_KEYS, Design, Hull, generate)

__all__ = ["EXACT_HYDROSTATICS_KEYS", "HYDROSTATICS_KEYS", "PARAMETER_KEYS", "RESISTANCE_KEYS",
           "STABILITY_KEYS", "Cancelled", "Design", "GenerationError", "Hull", "generate"]
