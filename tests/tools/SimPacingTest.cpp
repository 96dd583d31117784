// The virtual radio's pacing, read from its own log: each reply leaves when a line at the
// paced rate would have carried the request and the reply, and close after.
#include "SimSession.h"
#include "support/TempDir.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace r5k27;
using namespace r5k27::test;

namespace {

constexpr int kBaud = 9600;

struct LoggedReply {
    qint64 arrivedUs = 0; // the request complete
    qint64 sentUs = 0;    // the reply's first byte out
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
        if (f.size() == 4)
            replies.push_back({f[0].toLongLong(), f[1].toLongLong(), f[2].toInt(), f[3].toInt()});
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
    s.run(LinkOp::Read, sim.device(), 0, 1500);
    ASSERT_TRUE(sim.stopsOnTerminate());

    const std::vector<LoggedReply> replies = readLog(log);
    ASSERT_GE(replies.size(), 20u);
    std::vector<double> lateUs;
    for (const LoggedReply& r : replies) {
        // Ten bits a byte: start, eight data bits, stop.
        const double lineUs = (r.requestBytes + r.replyBytes) * 10 * 1e6 / kBaud;
        const double late = double(r.sentUs - r.arrivedUs) - lineUs;
        EXPECT_GE(late, -1.0) << "a reply of " << r.replyBytes << " bytes left early";
        lateUs.push_back(late);
    }
    std::nth_element(lateUs.begin(), lateUs.begin() + lateUs.size() / 2, lateUs.end());
    EXPECT_LE(lateUs[lateUs.size() / 2], 200.0);
}
