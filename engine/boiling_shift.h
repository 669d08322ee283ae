#pragma once

namespace viskora::boiling {

// Boiling temperatures of narrow cuts moved from atmospheric pressure to a
// design pressure (MPa absolute), deg.C, by the Ashworth-type vapour-pressure
// relation with f(T) = sqrt(T^2 + 108000) - 307.6 (T in K), referred to
// 0.101 MPa. At 0.101 MPa a temperature comes back unchanged up to rounding;
// 300 deg.C at 1 MPa becomes about 444 deg.C. The pressure's logarithm is
// formed once for all the cuts.
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
