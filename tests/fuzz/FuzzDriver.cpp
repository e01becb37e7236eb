// Runs one reader's fuzz target (LLVMFuzzerTestOneInput) without a fuzzing
// engine: first over every seed of its corpus, then over inputs made from
// the seeds by mutations drawn from a fixed seed, so that a run can be
// repeated byte for byte. The options are those of libFuzzer, so that the
// same command serves either:
//
//   fuzz_<reader> [-max_total_time=S] [-runs=N] [-max_len=N] [-seed=N]
//                 [-timeout=S] [-artifact_prefix=P] FOLDER|FILE...
//
// CI runs each target for a few seconds (QUENDAL_FUZZ_SECONDS of the build),
// a person for as long as they like.
// An input that takes longer than -timeout seconds (1 unless given) of
// processor time, or ten times that on the clock, that
// crashes or that a sanitizer reports ends the run with a failure; the
// input is kept as <prefix>timeout-<reader> or <prefix>crash-<reader>. A
// FILE given alone runs that one input, to replay what a run kept.
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" __attribute__((weak)) void __sanitizer_set_death_callback(void (*callback)());

namespace {

using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

struct Options {
    double seconds = 10.0;
    long long runs = -1;  // inputs beyond the seeds; -1: until the time is up
    std::size_t maxLength = 4096;
    uint64_t seed = 1;
    double timeout = 1.0;
    std::string artifactPrefix;
    std::vector<std::string> corpus;
};

// The input being run, for the handlers that keep it when the run ends badly.
std::mutex gCurrentLock;
Bytes gCurrent;
std::string gCrashFile, gTimeoutFile;
std::atomic<int64_t> gStartedNs{0};  // when the running input started; 0 between inputs

void keep(const std::string& file, const Bytes& input) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return;
    std::size_t at = 0;
    while (at < input.size()) {
        const ssize_t n = ::write(fd, input.data() + at, input.size() - at);
        if (n <= 0) break;
        at += std::size_t(n);
    }
    ::close(fd);
}

void keepCrash() {
    keep(gCrashFile, gCurrent);
    const char said[] = "\nfuzz: the input is kept as the crash file of this reader\n";
    [[maybe_unused]] const ssize_t n = ::write(2, said, sizeof said - 1);
}

void onSignal(int signal) {
    keepCrash();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

int64_t nowNs() { return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count(); }

// The processor time the running thread has had.
clockid_t gRunnerClock;
std::atomic<int64_t> gStartedCpuNs{0};

int64_t cpuNs(clockid_t clock) {
    timespec t{};
    ::clock_gettime(clock, &t);
    return int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// Ends the run when one input has had more than the bound of processor
// time, or ten times the bound of time on the clock (an input that waits
// would never end): a machine busy with other work does not fail a reader.
void watch(double timeout) {
    const int64_t bound = int64_t(timeout * 1e9);
    for (;;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const int64_t started = gStartedNs.load(), startedCpu = gStartedCpuNs.load();
        if (started == 0) continue;
        const int64_t cpu = cpuNs(gRunnerClock) - startedCpu, wall = nowNs() - started;
        if (gStartedNs.load() != started || (cpu <= bound && wall <= 10 * bound)) continue;
        std::lock_guard<std::mutex> hold(gCurrentLock);
        keep(gTimeoutFile, gCurrent);
        std::fprintf(stderr, "\nfuzz: an input of %zu bytes took longer than %.1f s (%.2f s of processor time); kept as %s\n",
                     gCurrent.size(), timeout, double(cpu) / 1e9, gTimeoutFile.c_str());
        std::_Exit(1);
    }
}

// splitmix64: the same numbers from the same seed on every machine.
class Numbers {
public:
    explicit Numbers(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t n) { return n == 0 ? 0 : std::size_t(next() % n); }

private:
    uint64_t state_;
};

// Bytes that mean something to one reader or another: line ends, escapes,
// separators, quotes, markers, and the edges of the number ranges.
constexpr uint8_t kTelling[] = {0, 1, 0x7F, 0x80, 0xFF, 0xEF, 0xBB, 0xBF, '\n', '\r', '\t', ' ', '\\', '=', '[',
                                ']', '"', ',', ';', '#', '@', '%', '.', '0', '9', 'x', 'e', '-', '+'};
constexpr uint32_t kTellingNumbers[] = {0, 1, 2, 3, 4, 255, 256, 1024, 1025, 65535, 65536, 1u << 20,
                                        (1u << 20) + 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};

void mutate(Bytes& input, const std::vector<Bytes>& pool, std::size_t maxLength, Numbers& n) {
    const std::size_t size = input.size();
    switch (n.below(10)) {
        case 0:  // one bit
            if (size > 0) input[n.below(size)] ^= uint8_t(1u << n.below(8));
            break;
        case 1:  // one byte, telling or any
            if (size > 0) input[n.below(size)] = n.below(2) ? kTelling[n.below(std::size(kTelling))] : uint8_t(n.next());
            break;
        case 2: {  // bytes put in
            const std::size_t count = 1 + n.below(4);
            for (std::size_t i = 0; i < count; ++i)
                input.insert(input.begin() + std::ptrdiff_t(n.below(input.size() + 1)),
                             n.below(2) ? kTelling[n.below(std::size(kTelling))] : uint8_t(n.next()));
            break;
        }
        case 3:  // a run taken out
            if (size > 0) {
                const std::size_t from = n.below(size), count = 1 + n.below(std::min<std::size_t>(size - from, 64));
                input.erase(input.begin() + std::ptrdiff_t(from), input.begin() + std::ptrdiff_t(from + count));
            }
            break;
        case 4:  // a run copied elsewhere
            if (size > 0) {
                const std::size_t from = n.below(size), count = 1 + n.below(std::min<std::size_t>(size - from, 256));
                const Bytes run(input.begin() + std::ptrdiff_t(from), input.begin() + std::ptrdiff_t(from + count));
                input.insert(input.begin() + std::ptrdiff_t(n.below(input.size() + 1)), run.begin(), run.end());
            }
            break;
        case 5:  // a run repeated many times over, each copy alike or numbered (keys, names that
                 // differ): large inputs, where time that grows too fast shows
            if (size > 0) {
                const std::size_t from = n.below(size), count = 1 + n.below(std::min<std::size_t>(size - from, 64));
                const Bytes run(input.begin() + std::ptrdiff_t(from), input.begin() + std::ptrdiff_t(from + count));
                const std::size_t times = n.below(4) == 0 ? std::size_t(1) << n.below(18) : 2 + n.below(15);
                const bool numbered = n.below(2) == 0;
                const std::size_t numberAt = n.below(run.size() + 1);
                Bytes repeated;
                repeated.reserve(std::min(maxLength, run.size() * times));
                for (std::size_t i = 0; i < times && repeated.size() + run.size() <= maxLength; ++i) {
                    repeated.insert(repeated.end(), run.begin(), run.begin() + std::ptrdiff_t(numberAt));
                    if (numbered)
                        for (const char digit : std::to_string(i)) repeated.push_back(uint8_t(digit));
                    repeated.insert(repeated.end(), run.begin() + std::ptrdiff_t(numberAt), run.end());
                }
                input.insert(input.begin() + std::ptrdiff_t(from), repeated.begin(), repeated.end());
            }
            break;
        case 6:  // a number of four bytes, most significant first, as the binary records hold them
            if (size >= 4) {
                const uint32_t v = kTellingNumbers[n.below(std::size(kTellingNumbers))] + uint32_t(n.below(3)) - 1u;
                const std::size_t at = n.below(size - 3);
                for (int i = 0; i < 4; ++i) input[at + std::size_t(i)] = uint8_t(v >> (24 - 8 * i));
            }
            break;
        case 7: {  // the head of this input and the tail of another
            const Bytes& other = pool[n.below(pool.size())];
            const std::size_t cut = n.below(size + 1), from = n.below(other.size() + 1);
            input.resize(cut);
            input.insert(input.end(), other.begin() + std::ptrdiff_t(from), other.end());
            break;
        }
        case 8:  // cut short
            input.resize(n.below(size + 1));
            break;
        default: {  // a run of another input put in
            const Bytes& other = pool[n.below(pool.size())];
            if (!other.empty()) {
                const std::size_t from = n.below(other.size()), count = 1 + n.below(std::min<std::size_t>(other.size() - from, 64));
                input.insert(input.begin() + std::ptrdiff_t(n.below(input.size() + 1)), other.begin() + std::ptrdiff_t(from),
                             other.begin() + std::ptrdiff_t(from + count));
            }
            break;
        }
    }
    if (input.size() > maxLength) input.resize(maxLength);
}

Bytes readWhole(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

double slowest = 0.0;
std::size_t slowestSize = 0;

void run(const Bytes& input) {
    {
        std::lock_guard<std::mutex> hold(gCurrentLock);
        gCurrent = input;
    }
    const int64_t start = cpuNs(gRunnerClock);
    gStartedCpuNs = start;
    gStartedNs = nowNs();
    LLVMFuzzerTestOneInput(input.data(), input.size());
    gStartedNs = 0;
    const double took = double(cpuNs(gRunnerClock) - start) / 1e9;
    if (took > slowest) {
        slowest = took;
        slowestSize = input.size();
    }
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto value = [&](const char* flag) -> const char* {
            const std::size_t length = std::strlen(flag);
            return a.compare(0, length, flag) == 0 ? a.c_str() + length : nullptr;
        };
        const char* v = nullptr;
        if ((v = value("-max_total_time="))) o.seconds = std::atof(v);
        else if ((v = value("-runs="))) o.runs = std::atoll(v);
        else if ((v = value("-max_len="))) o.maxLength = std::size_t(std::atoll(v));
        else if ((v = value("-seed="))) o.seed = std::strtoull(v, nullptr, 10);
        else if ((v = value("-timeout="))) o.timeout = std::atof(v);
        else if ((v = value("-artifact_prefix="))) o.artifactPrefix = v;
        else if (a.rfind("-", 0) == 0) {
            std::fprintf(stderr, "fuzz: unknown option %s\n", a.c_str());
            return false;
        } else o.corpus.push_back(a);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) return 2;
    if (LLVMFuzzerInitialize != nullptr) LLVMFuzzerInitialize(&argc, &argv);
    const std::string reader = std::filesystem::path(argv[0]).filename().string();
    gCrashFile = options.artifactPrefix + "crash-" + reader;
    gTimeoutFile = options.artifactPrefix + "timeout-" + reader;
    for (const int signal : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT}) ::signal(signal, onSignal);
    if (__sanitizer_set_death_callback != nullptr) __sanitizer_set_death_callback(keepCrash);
    ::pthread_getcpuclockid(::pthread_self(), &gRunnerClock);
    std::thread(watch, options.timeout).detach();

    std::vector<Bytes> pool;
    bool replay = false;
    for (const std::string& place : options.corpus) {
        if (std::filesystem::is_directory(place)) {
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::directory_iterator(place))
                if (entry.is_regular_file()) files.push_back(entry.path());
            std::sort(files.begin(), files.end());  // the same order on every machine
            for (const auto& file : files) pool.push_back(readWhole(file));
        } else {
            pool.push_back(readWhole(place));
            replay = options.corpus.size() == 1;
        }
    }
    if (pool.empty()) pool.emplace_back();
    for (const Bytes& seed : pool) run(seed);
    const std::size_t seeds = pool.size();
    long long made = 0;
    if (!replay) {
        Numbers n(options.seed);
        const auto end = Clock::now() + std::chrono::duration<double>(options.seconds);
        while (options.runs >= 0 ? made < options.runs : Clock::now() < end) {
            Bytes input = pool[n.below(pool.size())];
            for (std::size_t m = 1 + n.below(4); m > 0; --m) mutate(input, pool, options.maxLength, n);
            run(input);
            ++made;
            // Some of what was made is mutated further later, as the seeds are.
            if (n.below(8) == 0) {
                if (pool.size() < seeds + 256) pool.push_back(std::move(input));
                else pool[seeds + n.below(256)] = std::move(input);
            }
        }
    }
    std::fprintf(stderr, "fuzz: %s ran %zu seeds and %lld made inputs; the slowest took %.3f s of processor time (%zu bytes)\n",
                 reader.c_str(), seeds, made, slowest, slowestSize);
    return 0;
}
