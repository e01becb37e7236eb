// Dense complex linear systems for the lumped-circuit model.
#pragma once

#include <complex>
#include <vector>

namespace quendal::oracle {

// Solves A x = b for a square matrix A given row by row (n*n values), by
// Gaussian elimination with partial pivoting after scaling every row to a
// largest magnitude of 1 (the network mixes ohms, acoustic ohms and unit
// coefficients, which differ by many decades). Throws std::runtime_error
// when A is singular.
std::vector<std::complex<double>> solveLinearSystem(std::vector<std::complex<double>> a,
                                                    std::vector<std::complex<double>> b);

}  // namespace quendal::oracle
