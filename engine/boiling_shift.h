#pragma once

namespace viskora::boiling {

// Boiling temperatures of narrow cuts moved from atmospheric pressure
// (0.101 MPa) to a design pressure (MPa absolute), deg.C, by Ashworth's
// relation (viskora::ashworthFunction) solved for the temperature:
//   1 / f(T_P) = 1 / f(T) - lg(P / 0.101) (1 / f(T) - 0.0008) / 2.68.
// At 0.101 MPa a temperature comes back unchanged up to rounding; 300 deg.C
// at 1 MPa becomes 444.17 deg.C. Below about 1e-19 MPa the result is not a
// number. The pressure's logarithm is formed once for all the cuts.
class AshworthShift {
  public:
    explicit AshworthShift(double pressure);

    // The boiling temperature at the design pressure of one boiling at
    // `boilingC` deg.C at atmospheric pressure.
    double operator()(double boilingC) const;

  private:
    double log10RelativePressure_;
};

} // namespace viskora::boiling
