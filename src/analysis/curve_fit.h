#pragma once
// Polynomial least squares: the normal equations of the fit, solved by Gauss-Jordan elimination
// with full pivoting. No state: every call works on its arguments only.
#include <cstdint>
#include <span>
#include <vector>

namespace lmv::analysis {

// Rows of 64-bit floats, indexes from 0.
using matrix = std::vector<std::vector<double>>;

// Fits Y ≈ Coef[0] + Coef[1]·X + … + Coef[nTerms−1]·X^(nTerms−1) to the points (X[i], Y[i]),
// i < nPoints, and sets R to the correlation coefficient of the fit (1 also when every Y is the
// same). Coef entries from nTerms on are not touched. Throws common::MathError for
// nTerms < 1, nPoints < 2 and a singular system, common::RangeError for arrays shorter than the
// counts; Coef and R keep their values on every error.
void PolyFit(std::span<const double> X, std::span<const double> Y, std::span<double> Coef,
             double& R, std::int32_t nPoints, std::int32_t nTerms);

// Solves A·X = B of order N; A (N × N) becomes its inverse. Singularity is an exact zero pivot:
// common::MathError "Error in GaussJordan2: matrix is singular" before the last step, "Error in
// GaussJordan: matrix is singular" at it. A and X are left as they were on every error.
void GaussJordan(matrix& A, std::span<const double> B, std::span<double> X, std::int32_t N);

}
