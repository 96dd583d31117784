// The virtual radio's pacing, read from its own log: each reply is due when a line at the paced
// rate would have carried the request and the reply, and never leaves before. How soon after it
// leaves depends on how busy the machine is; the benchmarks report that.
#include "SimSession.h"
#include "support/TempDir.h"

#include <QFile>
#include <gtest/gtest.h>
#include <vector>

using namespace r5k27;
using namespace r5k27::test;

namespace {

constexpr int kBaud = 9600;

struct LoggedReply {
    qint64 arrivedUs = 0; // the request complete
    qint64 dueUs = 0;
    qint64 sentUs = 0; // the reply's first byte out
    int requestBytes = 0;
    int replyBytes = 0;
};

std::vector<LoggedReply> readLog(const QString& path) {
    std::vector<LoggedReply> replies;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return replies;
    while (!file.atEnd()) {
        const QList<QByteArray> f = file.readLine().simplified().split(' ');
        if (f.size() == 5)
            replies.push_back({f[0].toLongLong(), f[1].toLongLong(), f[2].toLongLong(),
                               f[3].toInt(), f[4].toInt()});
    }
    return replies;
}

} // namespace

TEST(SimPacing, RepliesLeaveWhenTheLineWouldHaveCarriedThem) {
    TempDir dir;
    const QString log = dir.path("wire.log");
    SimProcess sim({"--pace", QString::number(kBaud), "--log", log});
    ASSERT_FALSE(sim.device().isEmpty());
    LinkSession s;
    // A full read takes half a minute at this rate; its first blocks are enough.
    s.run(LinkOp::Read, sim.device(), 0, 3000);
    ASSERT_TRUE(sim.stopsOnTerminate());

    const std::vector<LoggedReply> replies = readLog(log);
    ASSERT_GE(replies.size(), 10u);
    for (const LoggedReply& r : replies) {
        // Ten bits a byte: start, eight data bits, stop.
        const double lineUs = (r.requestBytes + r.replyBytes) * 10 * 1e6 / kBaud;
        EXPECT_NEAR(double(r.dueUs - r.arrivedUs), lineUs, 2.0) << r.replyBytes << " bytes";
        EXPECT_GE(r.sentUs, r.dueUs) << "a reply of " << r.replyBytes << " bytes left early";
    }
}
