// Every Put function's own cost: the kind and arguments checked, the sentence
// built, and the hand-over to the sender, which finds no reply socket yet and
// sends nothing. Beside it, a bare snprintf of the same sentence.
#include <cstdio>
#include <string>

#include "bench_support.h"
#include "sentences/builder.h"
#include "sentences/rows.h"

namespace {

using namespace radar::sentences;

// Values inside every argument's range: the middle of a checked range, a
// five-digit value for the unchecked ones.
void values_for(const Sentence &row, int64_t (&values)[10]) {
    for (std::size_t i = 0; i < row.count; ++i) {
        const Argument &a = row.arguments[i];
        values[i] = a.checked ? a.lo + (a.hi - a.lo) / 2 : 12345;
    }
}

// The data form with every conversion printing a long, and the fields as
// longs: one snprintf call for the whole sentence.
std::string long_form(const char *form) {
    std::string out;
    for (const char *p = form; *p != '\0'; ++p) {
        out += *p;
        if (*p == '%' && p[1] == 'd') out += 'l';
    }
    return out;
}

void Put(benchmark::State &state, const Sentence *row) {
    int64_t values[10] = {};
    values_for(*row, values);
    char out[buffer_size];
    // The baseline prints what the sentence shows: the data form's fields as
    // the library computes them (tenths split, indexes shifted).
    build(*row, 0, values, out);
    const std::string expected = out;
    double baseline = 0;
    if (row->form != nullptr) {
        const std::string form = long_form(row->form);
        long f[20] = {};
        int n = 0;
        for (std::size_t i = 0; i < row->count; ++i) {
            const int64_t v = values[i];
            switch (row->arguments[i].render) {
                case Render::integer: f[n++] = static_cast<long>(v); break;
                case Render::tenths:
                case Render::signed_tenths: f[n++] = static_cast<long>(v / 10); f[n++] = static_cast<long>(v % 10); break;
                case Render::ten_thousandths: f[n++] = static_cast<long>(v / 10000); f[n++] = static_cast<long>(v % 10000); break;
                case Render::erase_index: f[n++] = static_cast<uint16_t>((v + 1) * 256); break;
                case Render::not_written: break;
            }
        }
        char printed[buffer_size];
        auto print = [&] {
            std::snprintf(printed, sizeof printed, form.c_str(), 'S', f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7],
                          f[8], f[9], f[10], f[11], f[12], f[13], f[14], f[15], f[16], f[17], f[18], f[19]);
            benchmark::DoNotOptimize(printed);
        };
        print();
        if (expected != printed) state.SkipWithError(("snprintf printed " + std::string(printed)).c_str());
        baseline = bench::rate_of(print, 1);
    } else {
        char printed[buffer_size];
        baseline = bench::rate_of(
            [&] {
                std::snprintf(printed, sizeof printed, "$%c%02X\r\n", 'S', row->code);
                benchmark::DoNotOptimize(printed);
            },
            1);
    }
    const auto start = bench::Clock::now();
    for (auto _ : state) {
        benchmark::DoNotOptimize(values);
        benchmark::DoNotOptimize(put(*row, 0, values));
    }
    bench::report(state, static_cast<double>(state.iterations()), bench::seconds_since(start), baseline, "calls/s");
}

const int registered = [] {
    for (const Sentence &row : catalogue) {
        char name[16];
        std::snprintf(name, sizeof name, "Put/%02X", row.code);
        benchmark::RegisterBenchmark(name, Put, &row)->UseRealTime();
    }
    return 0;
}();

}  // namespace

BENCHMARK_MAIN();
