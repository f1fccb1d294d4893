#include "view/rotation.h"

#include <cmath>

#include "common/numbers.h"

namespace kes {

namespace {

// Turns coordinates a and b of every point 1..100 of one curve:
// a' = a cos t + b sin t, b' = b cos t - a sin t, both from the old values.
// A result that is not finite is not stored (the point keeps that coordinate).
void turn(Curve& c, int a, int b, double cs, double sn) {
  for (int i = 1; i <= Curve::kPoints; ++i) {
    const double oa = c(a, i), ob = c(b, i);
    set(c(a, i), Num(oa * cs + ob * sn));
    set(c(b, i), Num(ob * cs - oa * sn));
  }
}

void rotate(SailModel& m, double& angle, double& viewStep, int a, int b) {
  if (!std::isfinite(viewStep)) return;
  set(angle, Num(angle + viewStep));
  viewStep = viewStep * Pi / 180.0;
  const double cs = std::cos(viewStep), sn = std::sin(viewStep);
  for (Curve* c : {&m.LuffView, &m.HeadView, &m.LeechView, &m.FootView}) turn(*c, a, b, cs, sn);
  for (int k = 0; k <= 5; ++k) turn(m.MoldSections[k], a, b, cs, sn);
}

}  // namespace

void rotateViewAboutX(SailModel& m, double& viewStep) { rotate(m, m.ViewAngleX, viewStep, 2, 3); }
void rotateViewAboutY(SailModel& m, double& viewStep) { rotate(m, m.ViewAngleY, viewStep, 1, 3); }
void rotateViewAboutZ(SailModel& m, double& viewStep) { rotate(m, m.ViewAngleZ, viewStep, 1, 2); }

std::string viewAnglesCaption(const SailModel& m) {
  return signedNumber(m.ViewAngleY) + "   " + signedNumber(m.ViewAngleX) + "   " +
         signedNumber(m.ViewAngleZ);
}

void scrollViewY(SailModel& m, double& viewStep, int hscroll1Value) {
  viewStep = hscroll1Value - m.ViewAngleY;
  rotateViewAboutY(m, viewStep);
}

void scrollViewX(SailModel& m, double& viewStep, int vscroll5Value) {
  viewStep = vscroll5Value - m.ViewAngleX;
  rotateViewAboutX(m, viewStep);
}

void pressViewZ(SailModel& m, double& viewStep, int button) {
  viewStep = button == 1 ? 2.0 : -2.0;
  rotateViewAboutZ(m, viewStep);
}

void recallView(SailModel& m, double& viewStep, int hscroll1Value, int vscroll5Value) {
  scrollViewY(m, viewStep, hscroll1Value);
  scrollViewX(m, viewStep, vscroll5Value);
}

}  // namespace kes
