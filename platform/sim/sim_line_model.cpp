#include "sim/sim_line_model.h"

#include <algorithm>

namespace tidemark::sim {

double LineModel::Draw(double mean) {
    if (settings_.spread <= 0 || mean <= 0) return mean;  // a steady line
    std::normal_distribution<double> figure(mean, mean * settings_.spread);
    // A line is never faster than twice its mean nor slower than a tenth of it.
    return std::clamp(figure(engine_), mean * 0.1, mean * 2.0);
}

LineFigures LineModel::Measure() {
    const LineFigures& mean = settings_.mean;
    return {Draw(mean.downloadMbps), Draw(mean.uploadMbps), Draw(mean.pingMs), Draw(mean.jitterMs)};
}

}  // namespace tidemark::sim
