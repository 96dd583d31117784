#include "ChildProcess.h"

#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace r5k27::test {

QString runInChild(const std::function<QString()>& body) {
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("no pipe");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        const QByteArray report = body().toUtf8();
        for (qsizetype done = 0; done < report.size();) {
            const ssize_t n =
                ::write(fds[1], report.constData() + done, size_t(report.size() - done));
            if (n <= 0)
                break;
            done += n;
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("child ended with status %1: %2")
            .arg(status)
            .arg(QString::fromUtf8(report));
    return QString::fromUtf8(report);
}

void setFileSizeLimit(long long bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes < 0 ? limit.rlim_max : rlim_t(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

void killDuring(const std::function<void()>& body, std::chrono::microseconds after) {
    // The child says when body begins, so a slow start does not eat the delay.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const char go = 1;
        (void)!::write(ready[1], &go, 1);
        body();
        ::_exit(0);
    }
    char go = 0;
    (void)!::read(ready[0], &go, 1);
    ::close(ready[0]);
    ::close(ready[1]);
    std::this_thread::sleep_for(after);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void putFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

} // namespace r5k27::test
