#include "analysis/curve_fit.h"

#include "common/errors.h"
#include "error_expect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace lmv::analysis {
namespace {

using test::ExpectMathError;

double Evaluate(const std::vector<double>& coef, double x)
{
    double sum = 0.0;
    double power = 1.0;
    for (double c : coef) {
        sum += c * power;
        power *= x;
    }
    return sum;
}

struct ExactPolynomial {
    const char* name;
    std::vector<double> coef;
    std::vector<double> x;
};

class PolyFitExact : public ::testing::TestWithParam<ExactPolynomial> {};

TEST_P(PolyFitExact, RecoversTheCoefficientsWithPerfectCorrelation)
{
    const ExactPolynomial& c = GetParam();
    std::vector<double> y;
    for (double x : c.x)
        y.push_back(Evaluate(c.coef, x));
    std::vector<double> coef(c.coef.size(), -99.0);
    double r = -1.0;
    PolyFit(c.x, y, coef, r, int(c.x.size()), int(c.coef.size()));
    for (std::size_t j = 0; j < coef.size(); ++j)
        EXPECT_NEAR(coef[j], c.coef[j], 1e-9) << "term " << j;
    EXPECT_NEAR(r, 1.0, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Polynomials, PolyFitExact,
    ::testing::Values(
        ExactPolynomial{"cubic", {1.5, -2.0, 0.25, 0.125}, {-3, -1.5, 0, 0.5, 2, 3.5, 5}},
        ExactPolynomial{"quadratic", {-4.0, 0.0, 3.0}, {0, 1, 2, 3, 4}},
        ExactPolynomial{"line", {2.0, -0.5}, {1, 3, 4, 10}},
        ExactPolynomial{"cubic_unequal_steps", {0.0, 1.0, 0.0, -1.0}, {0.1, 0.2, 0.7, 1.3, 2.9}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PolyFit, GoodnessOfAnImperfectLine)
{
    // Fit 1/6 + x/2 to (0,0), (1,1), (2,1): SSE 1/6, spread 2/3, R = sqrt(3/4).
    const std::vector<double> x{0, 1, 2}, y{0, 1, 1};
    std::vector<double> coef(2);
    double r = 0;
    PolyFit(x, y, coef, r, 3, 2);
    EXPECT_NEAR(coef[0], 1.0 / 6.0, 1e-12);
    EXPECT_NEAR(coef[1], 0.5, 1e-12);
    EXPECT_NEAR(r, std::sqrt(0.75), 1e-12);
}

TEST(PolyFit, AllYZeroGivesZeroCoefficientsAndPerfectCorrelation)
{
    const std::vector<double> x{0, 1, 2}, y{0, 0, 0};
    std::vector<double> coef{5, 5};
    double r = 0;
    PolyFit(x, y, coef, r, 3, 2);
    EXPECT_EQ(coef[0], 0.0);
    EXPECT_EQ(coef[1], 0.0);
    EXPECT_EQ(r, 1.0);
}

TEST(PolyFit, EntriesBeyondTheTermsKeepTheirValues)
{
    const std::vector<double> x{0, 1, 2, 3, 4}, y{1, 2, 9, 28, 65};
    std::vector<double> coef{7, 7, 7, 7, 4, 5, 6};
    double r = 0;
    PolyFit(x, y, coef, r, 5, 4);
    EXPECT_NEAR(coef[3], 1.0, 1e-9);
    EXPECT_EQ(coef[4], 4.0);
    EXPECT_EQ(coef[5], 5.0);
    EXPECT_EQ(coef[6], 6.0);
}

struct FailingFit {
    const char* name;
    std::vector<double> x;
    int nPoints;
    int nTerms;
    const char* message;
};

class PolyFitFailure : public ::testing::TestWithParam<FailingFit> {};

TEST_P(PolyFitFailure, RaisesItsMessageAndLeavesTheOutputs)
{
    const FailingFit& c = GetParam();
    const std::vector<double> y(c.x.size(), 1.0);
    std::vector<double> coef(7, 3.0);
    double r = 0.5;
    ExpectMathError([&] { PolyFit(c.x, y, coef, r, c.nPoints, c.nTerms); }, c.message);
    EXPECT_EQ(coef, std::vector<double>(7, 3.0));
    EXPECT_EQ(r, 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PolyFitFailure,
    ::testing::Values(
        FailingFit{"no_terms_checked_first", {0}, 1, 0, "PolyFit called with less than one term"},
        FailingFit{"one_point", {0}, 1, 2, "PolyFit called with less than two points"},
        FailingFit{"line_all_x_zero", {0, 0, 0}, 3, 2, "Error in GaussJordan: matrix is singular"},
        FailingFit{
            "line_all_x_two", {2, 2, 2, 2}, 4, 2, "Error in GaussJordan: matrix is singular"},
        FailingFit{
            "cubic_all_x_zero", {0, 0, 0, 0, 0}, 5, 4, "Error in GaussJordan2: matrix is singular"},
        FailingFit{"cubic_two_levels",
                   {0, 0, 0, 1, 1, 1, 1},
                   7,
                   4,
                   "Error in GaussJordan2: matrix is singular"},
        FailingFit{
            "cubic_overflows", {1e200, 2e200, 3e200, 4e200}, 4, 4, "Floating point overflow"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PolyFit, ArraysShorterThanTheCountsAreARangeError)
{
    const std::vector<double> x{0, 1, 2}, y{0, 1};
    std::vector<double> coef(2), shortCoef(1);
    double r = 0;
    EXPECT_THROW(PolyFit(x, y, coef, r, 3, 2), common::RangeError);
    EXPECT_THROW(PolyFit(x, x, shortCoef, r, 3, 2), common::RangeError);
}

TEST(GaussJordan, SolvesAndInverts)
{
    matrix a{{4, 7}, {2, 6}};
    const std::vector<double> b{1, 2};
    std::vector<double> x(2);
    GaussJordan(a, b, x, 2);
    EXPECT_NEAR(x[0], -0.8, 1e-12);
    EXPECT_NEAR(x[1], 0.6, 1e-12);
    EXPECT_NEAR(a[0][0], 0.6, 1e-12);
    EXPECT_NEAR(a[0][1], -0.7, 1e-12);
    EXPECT_NEAR(a[1][0], -0.2, 1e-12);
    EXPECT_NEAR(a[1][1], 0.4, 1e-12);
}

TEST(GaussJordan, PivotsAcrossRowsAndUnscramblesTheInverse)
{
    // The inverse of this permutation-like matrix needs both row exchanges and the column
    // exchanges at the end.
    matrix a{{0, 0, 2}, {0, 4, 0}, {5, 0, 0}};
    const std::vector<double> b{2, 8, 10};
    std::vector<double> x(3);
    GaussJordan(a, b, x, 3);
    EXPECT_EQ(x, (std::vector<double>{2, 2, 1}));
    const matrix inverse{{0, 0, 0.2}, {0, 0.25, 0}, {0.5, 0, 0}};
    EXPECT_EQ(a, inverse);
}

TEST(GaussJordan, EqualMagnitudesPivotOnTheFirstInRowThenColumnOrder)
{
    // Four elements of magnitude 10 compete for the first pivot; only taking the first of them
    // in row-by-row, column-by-column order rounds to exactly these solutions.
    matrix a{{10, 7, 10}, {10, -7, -3}, {-7, 10, 3}};
    const std::vector<double> b{2, 2, 5};
    std::vector<double> x(3);
    GaussJordan(a, b, x, 3);
    EXPECT_EQ(x,
              (std::vector<double>{0.7839851024208566, 1.5493482309124769, -1.6685288640595903}));
}

struct SingularSystem {
    const char* name;
    matrix a;
    const char* message;
};

class GaussJordanSingular : public ::testing::TestWithParam<SingularSystem> {};

TEST_P(GaussJordanSingular, RaisesAndLeavesMatrixAndSolution)
{
    matrix a = GetParam().a;
    const int n = int(a.size());
    const std::vector<double> b(n, 1.0);
    std::vector<double> x(n, 9.0);
    ExpectMathError([&] { GaussJordan(a, b, x, n); }, GetParam().message);
    EXPECT_EQ(a, GetParam().a);
    EXPECT_EQ(x, std::vector<double>(n, 9.0));
}

INSTANTIATE_TEST_SUITE_P(
    Systems, GaussJordanSingular,
    ::testing::Values(
        SingularSystem{"all_zero", {{0, 0}, {0, 0}}, "Error in GaussJordan2: matrix is singular"},
        SingularSystem{
            "dependent_rows", {{1, 2}, {2, 4}}, "Error in GaussJordan: matrix is singular"},
        SingularSystem{"zero_middle",
                       {{1, 0, 0}, {0, 0, 0}, {0, 0, 0}},
                       "Error in GaussJordan2: matrix is singular"},
        SingularSystem{"one_by_one_zero", {{0}}, "Error in GaussJordan: matrix is singular"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GaussJordan, AMatrixSmallerThanItsOrderIsARangeError)
{
    matrix a{{1, 0}};
    const std::vector<double> b{1, 1};
    std::vector<double> x(2);
    EXPECT_THROW(GaussJordan(a, b, x, 2), common::RangeError);
}

}
}
