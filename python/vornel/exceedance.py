"""The probability that a study output exceeds a limit, with its confidence interval."""

from __future__ import annotations

from dataclasses import dataclass
from typing import Any

import numpy as np
from scipy import stats


@dataclass
class Exceedance:
    """``exceeding`` of ``cases`` analysed cases passed the limit: ``probability`` is their
    share and ``low``..``high`` its Clopper-Pearson interval at ``confidence`` (exact: it
    holds its level for any count, also for none or all, where an approximation would give
    an interval of zero width). ``closest`` are the cases nearest the limit, nearest first;
    ``failed`` counts the cases without a result (an error), left out of ``cases``."""

    output: str
    limit: float
    exceeding: int
    cases: int
    probability: float
    low: float
    high: float
    confidence: float
    failed: int
    closest: Any

    def __str__(self) -> str:
        return (f"P({self.output} > {self.limit:g}) = {self.probability:.4g} "
                f"[{self.low:.4g}, {self.high:.4g}] at {self.confidence:.0%} "
                f"({self.exceeding} of {self.cases} cases)")


def clopper_pearson(k: int, n: int, confidence: float = 0.95):
    """The exact two-sided interval of a binomial probability from k successes in n."""
    a = 1.0 - confidence
    low = 0.0 if k == 0 else float(stats.beta.ppf(a / 2, k, n - k + 1))
    high = 1.0 if k == n else float(stats.beta.ppf(1 - a / 2, k + 1, n - k))
    return low, high


def exceedance(results: Any, output: str, limit: float, confidence: float = 0.95,
               absolute: bool = True, unconverged_exceed: bool = True,
               closest: int = 10) -> Exceedance:
    """How likely ``output`` (a results column such as "max_moment") exceeds ``limit``.

    ``absolute`` compares the magnitude (a moment or deflection of either sign); a case that
    did not converge counts as exceeding when ``unconverged_exceed`` (a wall whose iteration
    fails is no safer than one over the limit). Cases with an error are left out and counted
    in ``failed``."""
    if output not in results:
        raise KeyError(f"no output {output!r}; the columns are {list(results.columns)}")
    ok = results["error"].astype(str) == "" if "error" in results else np.ones(len(results), bool)
    good = results[ok]
    values = good[output].astype(float)
    size = values.abs() if absolute else values
    over = size > limit
    if unconverged_exceed and "converged" in good:
        over = over | ~good["converged"].astype(bool)
    k, n = int(over.sum()), int(len(good))
    low, high = clopper_pearson(k, n, confidence) if n else (0.0, 1.0)
    near = good.assign(distance=(size - limit).abs()).sort_values("distance").head(closest)
    return Exceedance(output, float(limit), k, n, k / n if n else float("nan"), low, high,
                      confidence, int((~ok).sum()), near)
