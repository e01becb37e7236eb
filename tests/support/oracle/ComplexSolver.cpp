#include "support/oracle/ComplexSolver.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <utility>

namespace quendal::oracle {

std::vector<std::complex<double>> solveLinearSystem(std::vector<std::complex<double>> a,
                                                    std::vector<std::complex<double>> b) {
    const std::size_t n = b.size();
    if (a.size() != n * n) {
        throw std::invalid_argument("solveLinearSystem: matrix and right side disagree in size");
    }
    auto at = [&](std::size_t row, std::size_t col) -> std::complex<double>& { return a[row * n + col]; };

    // Row equilibration.
    for (std::size_t row = 0; row < n; ++row) {
        double largest = 0.0;
        for (std::size_t col = 0; col < n; ++col) {
            largest = std::max(largest, std::abs(at(row, col)));
        }
        if (largest == 0.0) {
            throw std::runtime_error("solveLinearSystem: empty row (a node or branch is unconnected)");
        }
        for (std::size_t col = 0; col < n; ++col) {
            at(row, col) /= largest;
        }
        b[row] /= largest;
    }

    for (std::size_t k = 0; k < n; ++k) {
        std::size_t pivot = k;
        double best = std::abs(at(k, k));
        for (std::size_t row = k + 1; row < n; ++row) {
            const double size = std::abs(at(row, k));
            if (size > best) {
                best = size;
                pivot = row;
            }
        }
        if (best < 1e-300) {
            throw std::runtime_error("solveLinearSystem: singular network");
        }
        if (pivot != k) {
            for (std::size_t col = 0; col < n; ++col) {
                std::swap(at(k, col), at(pivot, col));
            }
            std::swap(b[k], b[pivot]);
        }
        for (std::size_t row = k + 1; row < n; ++row) {
            const std::complex<double> factor = at(row, k) / at(k, k);
            if (factor == std::complex<double>(0.0, 0.0)) {
                continue;
            }
            for (std::size_t col = k; col < n; ++col) {
                at(row, col) -= factor * at(k, col);
            }
            b[row] -= factor * b[k];
        }
    }

    std::vector<std::complex<double>> x(n);
    for (std::size_t k = n; k-- > 0;) {
        std::complex<double> sum = b[k];
        for (std::size_t col = k + 1; col < n; ++col) {
            sum -= at(k, col) * x[col];
        }
        x[k] = sum / at(k, k);
    }
    return x;
}

}  // namespace quendal::oracle
