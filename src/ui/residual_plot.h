// The residuals of a tilt identification against level: each measurement's metered less
// modelled litres at its level, the outliers in red, the zero line and ±4 × RMS dashed.
#pragma once

#include <QWidget>
#include <vector>

#include "identify/tilt_fit.h"

namespace quorvel::ui {

class ResidualPlot : public QWidget {
  public:
    explicit ResidualPlot(QWidget* parent = nullptr);
    void show(std::vector<identify::Residual> residuals, double rms);
    void clear();
    const std::vector<identify::Residual>& residuals() const { return residuals_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    std::vector<identify::Residual> residuals_;
    double rms_ = 0;
};

}  // namespace quorvel::ui
