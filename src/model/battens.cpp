// The batten set-ups, the full-length battens, the leech diagonal and the
// batten hollow's answer.

#include "model/battens.h"

#include "common/numbers.h"
#include "model/steps.h"

namespace kes {

using steps::radians;
using steps::sq;

namespace {

constexpr int kRows = 5;

struct SetUpRows {
  const char* position[kRows];
};

SetUpRows positionsOf(StandardSetUp kind) {
  switch (kind) {
    case StandardSetUp::Std3: return {{"25", "50", "75", "", ""}};
    case StandardSetUp::Std4: return {{"20", "40", "60", "80", ""}};
    case StandardSetUp::Std5: return {{"17", "33", "50", "67", "83"}};
  }
  return {{"", "", "", "", ""}};
}

}  // namespace

void standardBattens(StandardSetUp kind, std::string_view footText, SailModel& m,
                     BattenBoxes& boxes) {
  set(m.FootLength, parseLenient(footText));

  // Emptied lengths: the recomputes from here on build the leech without hollow.
  for (int k = 0; k < kRows; ++k) boxes.setText(BattenBox::Length, k, "");

  // Square to the leech chord: the clew's distance aft of the head corner over
  // the corner's height above the clew.
  {
    const Curve& L = m.LeechCurve;
    const Num a = atan((Num(L(1, 100)) - L(1, 1)) / (Num(L(2, 1)) - L(2, 100)));
    const Num degrees = a * 180.0 / Pi;
    if (degrees.good()) boxes.setText(BattenBox::Angle, 0, format0_0(degrees.v));
  }
  const auto copyAngle = [&boxes](int row) {
    boxes.setText(BattenBox::Angle, row, boxes.text(BattenBox::Angle, 0));
  };
  copyAngle(1);
  copyAngle(2);
  if (kind == StandardSetUp::Std3) {
    boxes.setText(BattenBox::Angle, 3, "");
    boxes.setText(BattenBox::Angle, 4, "");
  } else if (kind == StandardSetUp::Std4) {
    copyAngle(3);
    boxes.setText(BattenBox::Angle, 4, "");
  } else {
    copyAngle(3);
    copyAngle(4);
  }

  const SetUpRows rows = positionsOf(kind);
  for (int k = 0; k < kRows; ++k) boxes.setText(BattenBox::Position, k, rows.position[k]);

  // Three times the roach's depth at each batten. The roach curve is fitted
  // again in every row's turn: the length written in the turn before ran the
  // recompute, which reuses the spline.
  for (int i = 0; i < kRows; ++i) {
    Spline& sp = m.spline;
    sp.X[1] = 0.0;
    sp.Y[1] = 0.0;
    set(sp.X[2], (Num(100.0) - m.RoachPos) * m.LeechChord / 100.0);
    set(sp.Y[2], m.Roach);
    set(sp.X[3], m.LeechChord);
    sp.Y[3] = 0.0;
    sp.n = 3;
    FitSpline(sp);
    const std::string position = boxes.text(BattenBox::Position, i);
    if (parseLenient(position) == 0.0) continue;
    const Index p = toIndex(Num(100.0) - parseStrict(position), 0, 101);
    if (!p.ok) continue;
    const Num length = Num(3.0) * sp.outY[p.i];
    if (length.good()) boxes.setText(BattenBox::Length, i, plainNumber(length.v));
  }

  // The middle battens take the length of the one in the middle.
  if (kind == StandardSetUp::Std4 || kind == StandardSetUp::Std5) {
    boxes.setText(BattenBox::Length, 1, boxes.text(BattenBox::Length, 2));
  }
  if (kind == StandardSetUp::Std5) {
    boxes.setText(BattenBox::Length, 3, boxes.text(BattenBox::Length, 2));
  }
}

void noBattens(BattenBoxes& boxes) {
  for (int k = 0; k < kRows; ++k) boxes.setText(BattenBox::Length, k, "");
}

void fullLengthBatten(int row, std::string_view footText, SailModel& m, BattenBoxes& boxes) {
  if (row < 0 || row >= kRows) return;
  set(m.FootLength, parseLenient(footText));

  // The foot chord's angle: its rise from the tack (point 100) to the clew
  // (point 1) over its run.
  {
    const Curve& F = m.FootCurve;
    const Num a = atan(-(Num(F(2, 1)) - F(2, 100)) / (Num(F(1, 100)) - F(1, 1)));
    const Num degrees = a * 180.0 / Pi;
    if (degrees.good()) boxes.setText(BattenBox::Angle, row, format0_0(degrees.v));
  }

  // The row's leech point, read from its position box each time it is needed.
  const auto leechPoint = [&] {
    return toIndex(Num(100.0) - parseLenient(boxes.text(BattenBox::Position, row)), 0,
                   Curve::kPoints);
  };
  // The line through the leech point at the angle as written (one decimal)
  // reaches the tack's vertical at height h; the luff point there is j.
  double P = 0.0, h = 0.0;
  const Num angle = parseStrict(boxes.text(BattenBox::Angle, row));
  set(P, m.LeechCurve.get(1, leechPoint()) * tan(radians(angle)));
  set(h, m.LeechCurve.get(2, leechPoint()) - P);
  const Num j = toInt16(Num(100.0) * h / m.LuffLength);

  // Without a luff point (no luff length, or a height far beyond it) there is
  // nothing to measure to, and the length box keeps its text.
  if (j.ok) {
    const Index i = leechPoint();
    const Index lp = toIndex(j, 0, Curve::kPoints);
    const Curve& L = m.LeechCurve;
    const Curve& U = m.LuffCurve;
    const Num length = Num(0.99) * sqrt(sq(L.get(1, i) - U.get(1, lp)) +
                                        sq(L.get(2, i) - U.get(2, lp)) +
                                        sq(L.get(3, i) - U.get(3, lp)));
    if (length.good()) boxes.setText(BattenBox::Length, row, plainNumber(length.v));
  }

  // Then the length as "0.00" when the box holds a number.
  const Num written = parseStrict(boxes.text(BattenBox::Length, row));
  if (written.good()) boxes.setText(BattenBox::Length, row, format0_00(written.v));
}

std::optional<std::string> leechDiagonal(SailModel& m, std::string_view luffText,
                                         std::string_view headText, std::string_view footText,
                                         std::string_view clewHeightAnswer,
                                         std::string_view tackAngleAnswer) {
  set(m.LuffLength, parseLenient(luffText));
  set(m.HeadWidth, parseLenient(headText));
  set(m.FootLength, parseLenient(footText));
  const double L = m.LuffLength, F = m.FootLength;

  double T = 0.0;  // the tack angle, radians
  if (!clewHeightAnswer.empty()) {
    // The clew h above the tack and the foot's length from it: a clew as high
    // as the foot is long, or higher, has no triangle.
    const Num h = parseLeading(clewHeightAnswer);
    const Num X = sqrt(sq(F) - sq(h));
    const Num rise = atan(h / X);
    if (!X.good() || !rise.good()) return std::nullopt;
    m.FootAngle = rise.v;
    set(T, Num(Pi) / 2.0 - m.FootAngle);
  } else {
    const Num degrees = parseLeading(tackAngleAnswer);
    if (!degrees.good()) return std::nullopt;
    set(T, radians(degrees));
  }

  // The law of cosines in the triangle of luff, foot and diagonal.
  const Num d = sqrt(sq(F) + sq(L) - Num(2.0) * F * L * cos(Num(T)));
  if (!d.good()) return std::nullopt;
  m.LeechDiagonal = d.v;
  return format0_00(d.v);
}

std::string battenHollowDefault(double hollow) {
  double percent = 0.0;
  set(percent, Num(hollow) * 100.0);
  return plainNumber(percent);
}

double battenHollowFromAnswer(std::string_view answer, double hollowBefore) {
  const Num n = parseLeading(answer);
  double hollow = hollowBefore;
  set(hollow, abs(n) / 100.0);
  return hollow;
}

}  // namespace kes
