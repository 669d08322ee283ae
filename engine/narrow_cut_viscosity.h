#pragma once

#include "engine/calc_steps.h"
#include "engine/walther.h"

#include <optional>
#include <vector>

// The kinematic viscosity of an oil from its narrow cuts: each cut's
// viscosity at 100 and 210 deg.F by Twu's correlation from its boiling point
// and specific gravity, carried to the temperature on its ASTM D341 line,
// and the cuts blended by mass with the ASTM D7152 (Refutas) blending
// numbers. Viscosities in mm2/s.
namespace viskora {

// --- Twu (1985) ----------------------------------------------------------------
// Twu, Ind. Eng. Chem. Process Des. Dev. 24 (1985) 1287; API Technical Data
// Book 11A4.2. The viscosity of a narrow petroleum cut at 100 deg.F (nu1)
// and 210 deg.F (nu2) from its normal boiling point and specific gravity
// 60/60 deg.F, through the n-alkane of the same boiling point as reference:
//   Tc0 = Tb / (0.533272 + 0.191017e-3 Tb + 0.779681e-7 Tb^2
//               - 0.284376e-10 Tb^3 + 0.959468e28 / Tb^13),  alpha = 1 - Tb/Tc0
//   SG0 = 0.843593 - 0.128624 alpha - 3.36159 alpha^3 - 13749.5 alpha^12
//   ln(nu2_0 + 1.5) = 4.73227 - 27.0975 alpha + 49.4491 alpha^2 - 50.4706 alpha^4
//   ln nu1_0 = 0.801621 + 1.37179 ln nu2_0
//   x = |1.99873 - 56.7394 / sqrt(Tb)|, dSG = SG - SG0
//   f1 = 1.33932 x dSG - 21.1141 dSG^2 / sqrt(Tb),  f2 = x dSG - 21.1141 dSG^2 / sqrt(Tb)
//   ln(nu_i + 450/Tb) = ln(nu_i_0 + 450/Tb) ((1 + 2 f_i) / (1 - 2 f_i))^2
// with Tb in deg.R. Fitted on cuts boiling up to about 1000 deg.F, it is
// used over the engine's whole table (to 835 deg.C), where alpha stays above
// 0. f_i is held within +-0.4: beyond it ((1 + 2f)/(1 - 2f))^2 runs off to
// infinity at 0.5, far outside any real cut (real cuts give |f| < 0.2).
// Worked value (from the paper): Tb 672.3166 K, SG 895.5189 / 999.0171 give
// nu1 = 24.264 and nu2 = 4.1554 mm2/s.
struct TwuViscosities {
    double at100F = 0; // mm2/s, at 100 deg.F (310.93 K)
    double at210F = 0; // mm2/s, at 210 deg.F (372.04 K)
};

TwuViscosities twuViscosities(double boilingKelvin, double specificGravity);

// The part of Twu's correlation that depends on the boiling point alone:
// the reference n-alkane's gravity and viscosities. The engine's cuts boil
// at fixed temperatures, so it is worked out once per cut.
struct TwuReference {
    double rankine = 0;     // Tb, deg.R
    double rootRankine = 0; // sqrt(Tb)
    double gravity = 0;     // SG0
    double x = 0;           // |1.99873 - 56.7394 / sqrt(Tb)|
    double offset = 0;      // 450 / Tb
    double log100 = 0;      // ln(nu1_0 + 450/Tb)
    double log210 = 0;      // ln(nu2_0 + 450/Tb)
};

TwuReference twuReference(double boilingKelvin);
TwuViscosities twuViscosities(const TwuReference& reference, double specificGravity);

// --- Refutas blending number (ASTM D7152) ------------------------------------------
// VBN = 14.534 ln(ln(nu + 0.8)) + 10.975, nu in mm2/s at one temperature; a
// blend's VBN is the mass-weighted mean of its components'. Defined above
// 0.2 mm2/s. Worked values: VBN(10) = 23.5747, VBN(100) = 33.1962; 50/50 by
// mass of 10 and 1000 mm2/s gives 56.86 mm2/s.
double refutasBlendingNumber(double viscosity);

// The viscosity of a blending number, mm2/s: exp(exp((VBN - 10.975) / 14.534)) - 0.8.
double viscosityOfBlendingNumber(double blendingNumber);

// --- A narrow cut's specific gravity 60/60 deg.F ---------------------------------
// From its density at 20 deg.C (kg/m3): to 15.6 deg.C by the oil's linear
// expansion rule (viskora::relativeDensityAt), divided by water's 999.0
// kg/m3 at 60 deg.F. Worked value: 850 kg/m3 at 20 deg.C gives 0.85399.
double cutSpecificGravity(double density20);

// --- The cuts' densities made volume-additive -------------------------------------
// The one shift s, kg/m3, that gives the cuts of `cuts` (densities at 20
// deg.C) the volume-additive mixture density `density20`:
//   1 / density20 = sum(w_i / (rho_i + s)),  w_i the mass fractions,
// by Newton's method (the sum falls monotonically with s). The engine's own
// cut densities average by mass; an oil's density is an average by volume.
// Worked value: two equal shares at 700 and 900 kg/m3 and 800 kg/m3 give
// s = 12.3106 kg/m3. Nothing when no shift gives it.
std::optional<double> volumeAdditiveShift(const CutDistribution& cuts, double density20);

// The densities of `cuts` moved by that shift (those outside the range as
// they were); nothing when no shift gives the density.
std::optional<CutArray> volumeAdditiveDensities(const CutDistribution& cuts, double density20);

// --- The lines of the cuts -----------------------------------------------------------
// The D341 line of every cut of the oil with a share, from Twu's two
// viscosities at the cut's mid boiling point and its shifted density's
// specific gravity. Twu's data end with the heavy gas oils and lube oils
// of vacuum distillation, whose cuts end at about 1000 deg.F (537.8 deg.C);
// a cut boiling above that (the residue of a crude, spread evenly up to 835
// deg.C by the engine) is given the viscosity of a cut boiling at 1000 deg.F
// with its own gravity, where Twu's reference n-alkane would otherwise be
// carried far past any measured one. A cut whose two viscosities do not
// fall with the temperature (possible only far outside Twu's data) keeps a
// level line at its 100 deg.F value. The lines are made once per oil and
// serve every part of it at every temperature.
// Each line is kept as ln Z = ln Z(100 deg.F) (T / 310.93 K)^-b, which is
// D341's log10(log10 Z) = A - b log10 T taken out of its logarithms: the
// viscosity at any temperature takes one exponential, not two powers.
struct CutViscosityLines {
    CutArray logZ100F{}; // ln Z of each cut at 100 deg.F
    CutArray b{};        // the line's slope, not below 0
};

// Draws them into `lines` (the entries of cuts without a share are left as
// they were); false when the densities cannot be shifted (see
// volumeAdditiveShift).
bool drawCutViscosityLines(const CutDistribution& oil, double density20, CutViscosityLines& lines);

// The same lines from the cuts' densities as they stand in `oil`, shifted
// already as the caller wants them (see rowShiftedDensities).
void drawCutViscosityLinesAtDensities(const CutDistribution& oil, CutViscosityLines& lines);

// A row of the fraction table as a stretch of cuts first..end and the row's
// own density at 20 deg.C, kg/m3 (an assay gives each of its cuts one).
struct CutRowDensity {
    int first = 0;
    int end = 0;
    double density20 = 0;
};

// The cut densities of `oil` with each row's cuts moved by a shift of their
// own, so that they add up by volume to the row's density (volumeAdditiveShift
// over the row); cuts outside every row keep their densities. One row over
// the whole oil gives the single shift of drawCutViscosityLines. Nothing when
// a row has no cut with a share or cannot be shifted.
std::optional<CutArray> rowShiftedDensities(const CutDistribution& oil,
                                            const std::vector<CutRowDensity>& rows);

// The blend of the cuts first..end of `part` (their shares, per cent, need
// not add up to 100) at `tempC`, mm2/s. Each cut's viscosity is held at
// 0.25 mm2/s at least: the Walther line is drawn down to about 0.2 mm2/s
// and the blending number has no value at 0.2 mm2/s and below; 0.25 mm2/s
// is about the viscosity of the lightest cut (pentane) near its boiling
// point. Worked value: a single cut of Twu's example at 338.7055 K gives
// 9.1958 mm2/s.
double blendedCutViscosity(const CutViscosityLines& lines, const CutDistribution& part,
                           double tempC);

} // namespace viskora
