#pragma once
// Natural cubic spline through 3..10 control points, sampled at 100 evenly
// spaced abscissae. All storage is fixed; every call overwrites the outputs.

namespace kes {

struct Spline {
  double X[11] = {};          // SplineX, control abscissae 1..n
  double Y[11] = {};          // SplineY, control ordinates 1..n
  int n = 0;                  // SplinePointCount
  double matrix[11][5] = {};  // SplineMatrix: rows 1..n-2, columns 1..4
  double moments[11] = {};    // SplineMoments, 1..n
  double coef3[11] = {}, coef2[11] = {}, coef1[11] = {}, coef0[11] = {};
  double outX[102] = {};      // SplineOutX, samples 1..100 (101)
  double outY[102] = {};      // SplineOutY
  int samples = 0;            // index of the last control point written after the loop

  void setPoints3(double x1, double y1, double x2, double y2, double x3, double y3) {
    X[1] = x1; Y[1] = y1; X[2] = x2; Y[2] = y2; X[3] = x3; Y[3] = y3; n = 3;
  }
};

// Fits and samples. Never loops forever and never writes outside the arrays,
// whatever the control points are.
void FitSpline(Spline& s);

}  // namespace kes
