"""Distributions of study parameters, sampled by Monte Carlo or Latin hypercube.

Every distribution maps a probability u in (0, 1) to a value (its inverse cumulative
distribution), so that both sampling methods share one path: Monte Carlo draws u uniformly,
Latin hypercube draws one u from each of n equal strata, shuffled. Parameters are independent:
each has its own column of probabilities from one seeded generator.
"""

from __future__ import annotations

import math
from typing import Dict, Optional

import numpy as np
from scipy import stats


class Distribution:
    """A distribution of one parameter: ``ppf(u)`` gives the values for probabilities u."""

    def ppf(self, u: np.ndarray) -> np.ndarray:
        raise NotImplementedError

    def cdf(self, x: float) -> float:
        raise NotImplementedError


class Normal(Distribution):
    """Normal with the given mean and standard deviation."""

    def __init__(self, mean: float, sd: float):
        if not sd > 0:
            raise ValueError("the standard deviation must be positive")
        self.mean, self.sd = float(mean), float(sd)
        self._d = stats.norm(self.mean, self.sd)

    def ppf(self, u):
        return self._d.ppf(u)

    def cdf(self, x):
        return float(self._d.cdf(x))

    def __repr__(self):
        return f"Normal({self.mean:g}, {self.sd:g})"


class LogNormal(Distribution):
    """Lognormal given by the mean and standard deviation of the value itself (not of its
    logarithm), as soil strengths are reported: mean and coefficient of variation."""

    def __init__(self, mean: float, sd: float):
        if not mean > 0 or not sd > 0:
            raise ValueError("a lognormal value needs a positive mean and standard deviation")
        self.mean, self.sd = float(mean), float(sd)
        s2 = math.log(1.0 + (self.sd / self.mean) ** 2)
        self._d = stats.lognorm(math.sqrt(s2), scale=self.mean * math.exp(-0.5 * s2))

    def ppf(self, u):
        return self._d.ppf(u)

    def cdf(self, x):
        return float(self._d.cdf(x))

    def __repr__(self):
        return f"LogNormal({self.mean:g}, {self.sd:g})"


class Uniform(Distribution):
    """Uniform between ``low`` and ``high``."""

    def __init__(self, low: float, high: float):
        if not high > low:
            raise ValueError("a uniform range needs high > low")
        self.low, self.high = float(low), float(high)

    def ppf(self, u):
        return self.low + (self.high - self.low) * np.asarray(u, dtype=float)

    def cdf(self, x):
        return min(1.0, max(0.0, (x - self.low) / (self.high - self.low)))

    def __repr__(self):
        return f"Uniform({self.low:g}, {self.high:g})"


class Truncated(Distribution):
    """A distribution cut to [low, high] (either may be None): a friction angle that stays
    physical, a strength that stays positive. Sampled by its inverse on the kept range of
    probabilities, so no draw is thrown away and the Latin hypercube strata stay equal."""

    def __init__(self, base: Distribution, low: Optional[float] = None,
                 high: Optional[float] = None):
        self.base, self.low, self.high = base, low, high
        self._p0 = base.cdf(low) if low is not None else 0.0
        self._p1 = base.cdf(high) if high is not None else 1.0
        if not self._p1 > self._p0:
            raise ValueError("the truncated range holds no probability")

    def ppf(self, u):
        x = self.base.ppf(self._p0 + (self._p1 - self._p0) * np.asarray(u, dtype=float))
        return np.clip(x, -np.inf if self.low is None else self.low,
                       np.inf if self.high is None else self.high)

    def cdf(self, x):
        return min(1.0, max(0.0, (self.base.cdf(x) - self._p0) / (self._p1 - self._p0)))

    def __repr__(self):
        return f"Truncated({self.base!r}, {self.low}, {self.high})"


def sample(distributions: Dict[str, Distribution], n: int, seed: Optional[int] = None,
           method: str = "montecarlo") -> Dict[str, np.ndarray]:
    """``n`` values of every parameter: ``method`` "montecarlo" or "latin" (Latin hypercube),
    from ``np.random.default_rng(seed)``; the same seed gives the same values."""
    rng = np.random.default_rng(seed)
    out = {}
    for name, d in distributions.items():
        if method == "montecarlo":
            u = rng.random(n)
        elif method in ("latin", "latin_hypercube", "lhs"):
            u = (rng.permutation(n) + rng.random(n)) / n
        else:
            raise ValueError(f"unknown sampling method {method!r}: montecarlo or latin")
        out[name] = np.asarray(d.ppf(u), dtype=float)
    return out
