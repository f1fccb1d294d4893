// The recompute on the designed default sail with the "Std 4" battens, as it
// runs on every keystroke. Also counts heap allocations inside the timed
// loop: there must be none.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "model/battens.h"
#include "default_sail.h"
#include "model/sail_model.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

// Replacements of the global allocation functions; GCC cannot tell that
// they pair malloc with free on purpose.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

kes::SailInputs defaultSail() {
  kes::SailInputs in = kes::testing::defaultInputs();
  in.currentSection = 1;
  in.unit = kes::Unit::Inches;
  in.battenHollow = 0.006;
  return in;
}

// The batten boxes of a window that recomputes on every change.
class Boxes : public kes::BattenBoxes {
 public:
  Boxes(kes::SailInputs& in, kes::SailModel& m) : in_(in), m_(m) {}
  std::string text(kes::BattenBox box, int row) const override {
    return texts_[static_cast<int>(box)][row];
  }
  void setText(kes::BattenBox box, int row, const std::string& t) override {
    std::string& cur = texts_[static_cast<int>(box)][row];
    if (cur == t) return;
    cur = t;
    recompute();
  }
  void recompute() {
    for (int r = 0; r < 5; ++r)
      in_.batten[r] = kes::readBattenRow(text(kes::BattenBox::Position, r),
                                         text(kes::BattenBox::Length, r));
    kes::recompute(in_, m_);
  }

 private:
  std::string texts_[3][5];
  kes::SailInputs& in_;
  kes::SailModel& m_;
};

void BM_RecomputeDefaultSailStd4(benchmark::State& state) {
  kes::SailInputs in = defaultSail();
  static kes::SailModel m;  // large: kept off the stack
  Boxes boxes(in, m);
  boxes.recompute();
  kes::standardBattens(kes::StandardSetUp::Std4, "50", m, boxes);
  boxes.recompute();
  if (!(in.batten[3].length > 0.0) || !in.batten[3].position.good()) {
    state.SkipWithError("Std 4 did not fill four battens");
    return;
  }

  const long before = allocations.load();
  for (auto _ : state) {
    const kes::RecomputeResult r = kes::recompute(in, m);
    benchmark::DoNotOptimize(r);
    benchmark::DoNotOptimize(m.area);
    benchmark::ClobberMemory();
  }
  const long during = allocations.load() - before;
  state.counters["allocations"] = static_cast<double>(during);
  if (during != 0) state.SkipWithError("the recompute allocated");
}
BENCHMARK(BM_RecomputeDefaultSailStd4);

}  // namespace
