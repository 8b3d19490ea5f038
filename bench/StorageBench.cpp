// The Qt-free cases: the settings file, the question database and test composition, each
// beside the floor of what it has to do, measured in the same run.

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "bench/BenchText.h"
#include "model/QuestionBank.h"
#include "model/Settings.h"
#include "modes/ComposeTest.h"
#include "modes/RandomIndex.h"
#include "storage/TreeNode.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Gzip header and magic stand before the deflate data; the CRC and length after it.
constexpr std::size_t kDeflateStart = 10 + 48;
constexpr std::size_t kTrailerSize = 8;

// A fresh directory, removed with what it holds when the run ends. On tmpfs the file cases
// measure the format's and zlib's work; the one disk case shows what durability adds.
class ScratchDir
{
public:
    explicit ScratchDir(const char* base)
    {
        std::string pattern = std::string(base) + "/navik-bench-XXXXXX";
        if (!::mkdtemp(pattern.data())) {
            throw std::runtime_error("cannot create a directory in " + std::string(base));
        }
        m_path = pattern;
    }
    ~ScratchDir()
    {
        for (const std::string& file : m_files) {
            std::remove(file.c_str());
        }
        ::rmdir(m_path.c_str());
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string File(const std::string& name)
    {
        m_files.push_back(m_path + "/" + name);
        return m_files.back();
    }

private:
    std::string m_path;
    std::vector<std::string> m_files;
};

ScratchDir& MemoryDir()
{
    static ScratchDir dir(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    return dir;
}

ScratchDir& DiskDir()
{
    // The build tree lies on the disk the program would be installed on.
    static ScratchDir dir(NAVIK_BENCH_DISK_DIR);
    return dir;
}

// The floor of reading a file: one open, one size query, one read.
Bytes ReadWholeFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info
    {
    };
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        throw std::runtime_error("cannot read " + path);
    }
    Bytes bytes(static_cast<std::size_t>(info.st_size));
    const ssize_t got = ::read(fd, bytes.data(), bytes.size());
    ::close(fd);
    if (got != static_cast<ssize_t>(bytes.size())) {
        throw std::runtime_error("short read of " + path);
    }
    return bytes;
}

std::size_t StoredLength(const Bytes& file)
{
    const unsigned char* p = file.data() + file.size() - 4;
    return std::size_t(p[0]) | std::size_t(p[1]) << 8 | std::size_t(p[2]) << 16 | std::size_t(p[3]) << 24;
}

// One raw inflate call over the deflate data of a tree file into out, which must hold it all.
bool InflateOnce(const unsigned char* in, std::size_t inSize, Bytes& out)
{
    z_stream zs{};
    if (inflateInit2(&zs, -15) != Z_OK) {
        return false;
    }
    zs.next_in = const_cast<unsigned char*>(in);
    zs.avail_in = static_cast<uInt>(inSize);
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&zs, Z_FINISH);
    inflateEnd(&zs);
    return status == Z_STREAM_END && zs.avail_out == 0;
}

// The uncompressed stream U of a tree file.
Bytes StreamOfFile(const Bytes& file)
{
    Bytes u(StoredLength(file));
    if (!InflateOnce(file.data() + kDeflateStart, file.size() - kDeflateStart - kTrailerSize, u)) {
        throw std::runtime_error("not a tree file");
    }
    return u;
}

void DefaultSettingsTree(TreeNode& root)
{
    const Settings defaults;
    defaults.SaveToNode(&root);
}

void SaveAndLoad(benchmark::State& state, const std::string& path)
{
    TreeNode root;
    DefaultSettingsTree(root);
    for (auto _ : state) {
        root.SaveFile(path);
        TreeNode loaded;
        loaded.LoadFile(path);
        benchmark::DoNotOptimize(loaded.GetValueCount());
        if (loaded.GetValueCount() != root.GetValueCount()) {
            state.SkipWithError("the settings file did not read back");
            break;
        }
    }
    state.counters["U_bytes"] = double(StoredLength(ReadWholeFile(path)));
}

void BM_SettingsSaveLoad(benchmark::State& state)
{
    SaveAndLoad(state, MemoryDir().File("navik.cfg"));
}

void BM_SettingsSaveLoadOnDisk(benchmark::State& state)
{
    SaveAndLoad(state, DiskDir().File("navik.cfg"));
}

void BM_SettingsZlibOneShot(benchmark::State& state)
{
    const std::string path = MemoryDir().File("navik-floor.cfg");
    TreeNode root;
    DefaultSettingsTree(root);
    root.SaveFile(path);
    const Bytes u = StreamOfFile(ReadWholeFile(path));
    Bytes compressed(compressBound(static_cast<uLong>(u.size())) + 64);
    Bytes restored(u.size());
    for (auto _ : state) {
        z_stream zs{};
        deflateInit2(&zs, 6, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
        zs.next_in = const_cast<unsigned char*>(u.data());
        zs.avail_in = static_cast<uInt>(u.size());
        zs.next_out = compressed.data();
        zs.avail_out = static_cast<uInt>(compressed.size());
        const int status = deflate(&zs, Z_FINISH);
        const std::size_t size = compressed.size() - zs.avail_out;
        deflateEnd(&zs);
        if (status != Z_STREAM_END || !InflateOnce(compressed.data(), size, restored)) {
            state.SkipWithError("zlib failed");
            break;
        }
        benchmark::DoNotOptimize(restored.data());
    }
    state.counters["U_bytes"] = double(u.size());
}

const std::string& BankFile()
{
    static const std::string path = [] {
        std::string file = MemoryDir().File("Demootazky.dat");
        TreeNode root;
        FillDatabaseTree(GenerateQuestions(1000, 20240501, "zn_zakaz_kotveni"), root);
        if (!root.SaveFile(file)) {
            throw std::runtime_error("cannot write the generated bank");
        }
        return file;
    }();
    return path;
}

void BM_BankLoad(benchmark::State& state)
{
    const std::string& path = BankFile();
    for (auto _ : state) {
        QuestionBank bank;
        LoadQuestionDatabase(path, bank);
        benchmark::DoNotOptimize(bank.GetSize());
        if (bank.GetSize() != 1000) {
            state.SkipWithError("the bank did not load");
            break;
        }
    }
    const Bytes file = ReadWholeFile(path);
    state.counters["file_bytes"] = double(file.size());
    state.counters["U_bytes"] = double(StoredLength(file));
}

void BM_BankInflateAndPass(benchmark::State& state)
{
    const std::string& path = BankFile();
    for (auto _ : state) {
        const Bytes file = ReadWholeFile(path);
        Bytes u(StoredLength(file));
        if (!InflateOnce(file.data() + kDeflateStart, file.size() - kDeflateStart - kTrailerSize, u)) {
            state.SkipWithError("inflate failed");
            break;
        }
        unsigned char sum = 0;
        for (const unsigned char byte : u) {
            sum ^= byte;
        }
        benchmark::DoNotOptimize(sum);
    }
}

void BM_ComposeTest(benchmark::State& state)
{
    Settings settings;
    settings.m_nZVsechny = static_cast<int>(state.range(0));
    SeedRandom(12345);
    for (auto _ : state) {
        const bool composed = ComposeTest(settings, 1000);
        benchmark::DoNotOptimize(composed);
        benchmark::DoNotOptimize(settings.m_test.data());
    }
    state.counters["questions"] = settings.m_testCount;
}

} // namespace

BENCHMARK(BM_SettingsSaveLoad)->Name("settings/SaveFile+LoadFile")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SettingsZlibOneShot)->Name("settings/zlib_one_shot")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SettingsSaveLoadOnDisk)
    ->Name("settings/SaveFile+LoadFile_on_disk")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BankLoad)->Name("bank/LoadQuestionDatabase")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BankInflateAndPass)->Name("bank/inflate_and_pass")->Unit(benchmark::kMicrosecond);
// 0 all in order, 1 shuffled, 2 simulated test of the default 70 questions.
BENCHMARK(BM_ComposeTest)->Name("compose/ComposeTest")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
