// The memory that opening a large deck takes, measured as the growth of the process's peak
// resident size while the project reads it.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "editor/project.h"
#include "editor_test_support.h"

namespace vornel {
namespace {

// A field of /proc/self/status in kilobytes ("VmHWM", "VmRSS").
qint64 status_kb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string key;
    qint64 value = 0;
    while (in >> key) {
        if (key == std::string(field) + ":") {
            in >> value;
            return value;
        }
        std::getline(in, key);
    }
    return -1;
}

// Writing 5 to clear_refs restarts the peak at the present resident size.
bool reset_peak() {
    std::ofstream f("/proc/self/clear_refs");
    f << "5";
    return static_cast<bool>(f.flush());
}

TEST(ReaderMemory, TenMegabyteDeckTakesUnderTenTimesItsSize) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer keeps freed memory in quarantine";
#endif
    QTemporaryDir dir;
    const QString path = dir.filePath("many.vn5d");
    {
        // A deck of many problems: the editor keeps the first, but the whole file is read.
        const QByteArray problem =
            test::read_file(test::source_path("examples/cantilever_layered.vn5d"));
        QByteArray deck;
        while (deck.size() < 10 * 1024 * 1024) deck += problem;
        test::write_file(path, deck);
    }
    const qint64 size_kb = QFileInfo(path).size() / 1024;
    test::RecordingQuestions q;
    Project p(q, dir.path());
    if (!reset_peak() || status_kb("VmHWM") < 0) GTEST_SKIP() << "no peak resident size here";
    const qint64 before = status_kb("VmRSS");
    const OpenResult r = p.openFile(path);
    const qint64 grown = status_kb("VmHWM") - before;
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(p.data().Title, "Cantilever sheet pile, soft clay over sand over weak rock");
    EXPECT_LT(grown, 10 * size_kb) << "grew by " << grown << " kB for " << size_kb << " kB";
    std::printf("peak growth %lld kB for a %lld kB deck (%.1f times)\n",
                static_cast<long long>(grown), static_cast<long long>(size_kb),
                static_cast<double>(grown) / static_cast<double>(size_kb));
}

}  // namespace
}  // namespace vornel
