#include "analysis/curve_fit.h"

#include "analysis/checked_math.h"
#include "common/errors.h"

#include <cmath>
#include <utility>

namespace lmv::analysis {
namespace {

void RequireLength(std::size_t length, std::int32_t count)
{
    if (count > 0 && length < std::size_t(count))
        throw common::RangeError();
}

void RequireFinite(const std::vector<double>& values)
{
    for (double value : values)
        Checked(value);
}

void SwapDoubles(double& a, double& b) { std::swap(a, b); }

struct TPivot {
    int Row = 0;
    int Column = 0;
};

// Gauss-Jordan elimination on a work copy; kept apart so that the caller's data changes only
// after every step succeeded.
class TElimination {
public:
    TElimination(matrix a, std::span<const double> b, int n)
        : a_(std::move(a)), work_(b.begin(), b.begin() + n), used_(n, -1), pivots_(n), n_(n)
    {
    }

    void Run()
    {
        for (int step = 0; step < n_; ++step)
            EliminateStep(step);
        UnscrambleInverse();
        for (const auto& row : a_)
            RequireFinite(row);
        RequireFinite(work_);
    }

    matrix& Inverse() { return a_; }
    const std::vector<double>& Solution() const { return work_; }

private:
    void EliminateStep(int step)
    {
        const TPivot pivot = FindPivot(step);
        used_[pivot.Column] += 1;
        pivots_[step] = pivot;
        SwapPivotRows(pivot);
        const int q = pivot.Column;
        const double piv = a_[q][q];
        a_[q][q] = 1.0;
        for (int l = 0; l < n_; ++l)
            a_[q][l] /= piv;
        work_[q] /= piv;
        for (int r = 0; r < n_; ++r) {
            if (r == q)
                continue;
            const double d = a_[r][q];
            a_[r][q] = 0.0;
            for (int l = 0; l < n_; ++l)
                a_[r][l] -= a_[q][l] * d;
            work_[r] -= work_[q] * d;
        }
    }

    TPivot FindPivot(int step) const
    {
        double best = 0.0;
        bool found = false;
        TPivot pivot;
        for (int j = 0; j < n_; ++j) {
            if (used_[j] == 0)
                continue;
            for (int k = 0; k < n_; ++k) {
                if (used_[k] >= 0)
                    continue;
                if (std::fabs(a_[j][k]) > best) {
                    best = std::fabs(a_[j][k]);
                    pivot = {j, k};
                    found = true;
                }
            }
        }
        if (!found) {
            throw common::MathError(
                step < n_ - 1 ? QStringLiteral("Error in GaussJordan2: matrix is singular")
                              : QStringLiteral("Error in GaussJordan: matrix is singular"));
        }
        return pivot;
    }

    void SwapPivotRows(TPivot pivot)
    {
        if (pivot.Row == pivot.Column)
            return;
        for (int l = 0; l < n_; ++l)
            SwapDoubles(a_[pivot.Row][l], a_[pivot.Column][l]);
        SwapDoubles(work_[pivot.Row], work_[pivot.Column]);
    }

    void UnscrambleInverse()
    {
        for (int step = n_ - 1; step >= 0; --step) {
            const TPivot pivot = pivots_[step];
            if (pivot.Row == pivot.Column)
                continue;
            for (auto& row : a_)
                SwapDoubles(row[pivot.Row], row[pivot.Column]);
        }
    }

    matrix a_;
    std::vector<double> work_;
    std::vector<int> used_;
    std::vector<TPivot> pivots_;
    int n_;
};

// XM[i][j] = X[i]^j by repeated multiplication, stored row by row.
std::vector<double> DesignMatrix(std::span<const double> X, int nPoints, int nTerms)
{
    std::vector<double> xm(std::size_t(nPoints) * std::size_t(nTerms));
    for (int i = 0; i < nPoints; ++i) {
        double* row = &xm[std::size_t(i) * std::size_t(nTerms)];
        row[0] = 1.0;
        for (int j = 1; j < nTerms; ++j)
            row[j] = row[j - 1] * X[i];
    }
    RequireFinite(xm);
    return xm;
}

void BuildNormalEquations(const std::vector<double>& XM, std::span<const double> Y, matrix& A,
                          std::vector<double>& B, int nPoints, int nTerms)
{
    auto xm = [&](int i, int j) {
        return XM[std::size_t(i) * std::size_t(nTerms) + std::size_t(j)];
    };
    for (int k = 0; k < nTerms; ++k) {
        for (int j = 0; j <= k; ++j) {
            double sum = 0.0;
            for (int i = 0; i < nPoints; ++i)
                sum += xm(i, j) * xm(i, k);
            A[k][j] = Checked(sum);
            A[j][k] = A[k][j];
        }
        double sum = 0.0;
        for (int i = 0; i < nPoints; ++i)
            sum += Y[i] * xm(i, k);
        B[k] = Checked(sum);
    }
}

double GoodnessOfFit(const std::vector<double>& XM, std::span<const double> Y,
                     const std::vector<double>& coef, int nPoints, int nTerms)
{
    double sse = 0.0;
    double sy = 0.0;
    double syy = 0.0;
    for (int i = 0; i < nPoints; ++i) {
        double fitted = 0.0;
        for (int j = 0; j < nTerms; ++j)
            fitted += coef[j] * XM[std::size_t(i) * std::size_t(nTerms) + std::size_t(j)];
        sse += (fitted - Y[i]) * (fitted - Y[i]);
        sy += Y[i];
        syy += Y[i] * Y[i];
    }
    Checked(sse);
    const double spread = Checked(syy - Checked(sy * sy) / nPoints);
    const double q = spread != 0.0 ? Checked(sse / spread) : 0.0;
    return q < 1.0 ? std::sqrt(1.0 - q) : 0.0;
}

}

void GaussJordan(matrix& A, std::span<const double> B, std::span<double> X, std::int32_t N)
{
    RequireLength(B.size(), N);
    RequireLength(X.size(), N);
    RequireLength(A.size(), N);
    for (int r = 0; r < N; ++r)
        RequireLength(A[r].size(), N);
    if (N <= 0)
        return;
    TElimination elimination(A, B, N);
    elimination.Run();
    A = std::move(elimination.Inverse());
    for (int i = 0; i < N; ++i)
        X[i] = elimination.Solution()[i];
}

void PolyFit(std::span<const double> X, std::span<const double> Y, std::span<double> Coef,
             double& R, std::int32_t nPoints, std::int32_t nTerms)
{
    if (nTerms < 1)
        throw common::MathError(QStringLiteral("PolyFit called with less than one term"));
    if (nPoints < 2)
        throw common::MathError(QStringLiteral("PolyFit called with less than two points"));
    RequireLength(X.size(), nPoints);
    RequireLength(Y.size(), nPoints);
    RequireLength(Coef.size(), nTerms);
    for (int i = 0; i < nPoints; ++i)
        Checked(Y[i]);

    const std::vector<double> xm = DesignMatrix(X, nPoints, nTerms);
    matrix a(nTerms, std::vector<double>(nTerms));
    std::vector<double> b(nTerms);
    BuildNormalEquations(xm, Y, a, b, nPoints, nTerms);
    std::vector<double> coef(nTerms);
    GaussJordan(a, b, coef, nTerms);
    const double r = GoodnessOfFit(xm, Y, coef, nPoints, nTerms);

    for (int j = 0; j < nTerms; ++j)
        Coef[j] = coef[j];
    R = r;
}

}
