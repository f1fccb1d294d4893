#include "design/sail_file.h"

#include <algorithm>

#include "design/design_lines.h"

namespace kes {

namespace {

template <std::size_t N>
int countFailures(const bool (&failed)[N]) {
  return static_cast<int>(std::count(std::begin(failed), std::end(failed), true));
}

// Takes one field into its value and marks its line when it could not be read.
template <class T, class U>
void take(Field<T> f, U& value, bool* failed, int& line) {
  value = f.value;
  failed[line++] = !f.ok;
}

}  // namespace

int SailRead::failures() const { return countFailures(failed); }
int MoldRead::failures() const { return countFailures(failed); }

std::string writeSailFile(const SailFile& s) {
  LineWriter w;
  w.text(s.date);
  w.text(s.comments);
  w.flag(s.inches);
  w.flag(s.millimeters);
  w.flag(s.feet);
  for (const double v : s.size) w.number(v);
  w.text(s.moldName);
  w.text(s.panelName);
  for (int b = 0; b < 5; ++b) {
    w.text(s.batLngth[b]);
    w.text(s.batAngl[b]);
    w.text(s.batPos[b]);
  }
  for (int r = 0; r < 2; ++r) {
    w.text(s.numReef[r]);
    w.text(s.reefPos[r]);
  }
  w.flag(s.black);
  return w.bytes();
}

SailRead readSailFile(std::string_view bytes) {
  SailRead r;
  SailFile& s = r.sail;
  FieldReader in(bytes);
  int line = 1;
  take(in.text(), s.date, r.failed, line);
  take(in.text(), s.comments, r.failed, line);
  take(in.flag(), s.inches, r.failed, line);
  take(in.flag(), s.millimeters, r.failed, line);
  take(in.flag(), s.feet, r.failed, line);
  for (double& v : s.size) take(in.number(), v, r.failed, line);
  take(in.text(), s.moldName, r.failed, line);
  take(in.text(), s.panelName, r.failed, line);
  for (int b = 0; b < 5; ++b) {
    take(in.cell(), s.batLngth[b], r.failed, line);
    take(in.cell(), s.batAngl[b], r.failed, line);
    take(in.cell(), s.batPos[b], r.failed, line);
  }
  for (int k = 0; k < 2; ++k) {
    take(in.cell(), s.numReef[k], r.failed, line);
    take(in.cell(), s.reefPos[k], r.failed, line);
  }
  const Field<double> scheme = in.number();
  s.black = scheme.value == -1.0;
  r.failed[line] = !scheme.ok;
  return r;
}

std::string writeMoldFile(const MoldFile& m) {
  LineWriter w;
  w.number(m.twist);
  for (int s = 0; s < 6; ++s) {
    w.number(m.ent[s]);
    w.number(m.dep[s]);
    w.number(m.pos[s]);
    w.number(m.ex[s]);
  }
  return w.bytes();
}

MoldRead readMoldFile(std::string_view bytes) {
  MoldRead r;
  MoldFile& m = r.mold;
  FieldReader in(bytes);
  int line = 1;
  take(in.number(), m.twist, r.failed, line);
  for (int s = 0; s < 6; ++s) {
    take(in.number(), m.ent[s], r.failed, line);
    take(in.number(), m.dep[s], r.failed, line);
    take(in.number(), m.pos[s], r.failed, line);
    take(in.number(), m.ex[s], r.failed, line);
  }
  return r;
}

}  // namespace kes
