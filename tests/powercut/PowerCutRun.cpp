#include "PowerCutRun.h"

#include <cerrno>
#include <cstdio>
#include <exception>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A child that neither loses power nor fails within this time is stuck.
constexpr unsigned kChildAlarmSeconds = 60;

[[noreturn]] void RunChild(int reportFd, const PowerCutPlan& plan, const std::function<int()>& work)
{
    ::alarm(kChildAlarmSeconds);
    if (::dup2(reportFd, STDOUT_FILENO) < 0) {
        ::_exit(3);
    }
    ::close(reportFd);
    PowerCutPlan childPlan = plan;
    childPlan.reportFd = STDOUT_FILENO;
    // Never destroyed: the process ends with _exit, whether the power goes or the work fails.
    auto* vfs = new PowerCutVfs(childPlan);
    if (!vfs->Register()) {
        ::_exit(3);
    }
    int code = 4;
    try {
        code = work();
    } catch (const std::exception& error) {
        ReportLine(QByteArray("error ") + error.what());
    }
    ::_exit(code);
}

} // namespace

QByteArray PowerCutRun::Describe() const
{
    QByteArray text = "the child ended with " + QByteArray::number(exitCode) + " after:";
    for (const QByteArray& line : lines) {
        text += "\n  " + line;
    }
    return text;
}

int PowerCutRun::CutFigure(const QByteArray& word) const
{
    const QList<QByteArray> words = cut.split(' ');
    const qsizetype at = words.indexOf(word);
    return at >= 0 && at + 1 < words.size() ? words.at(at + 1).toInt() : 0;
}

PowerCutRun RunUntilPowerCut(const PowerCutPlan& plan, const std::function<int()>& work)
{
    PowerCutRun run;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return run;
    }
    // Nothing buffered may be written twice.
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        RunChild(pipeFds[1], plan, work);
    }
    ::close(pipeFds[1]);
    QByteArray output;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0) {
            output.append(buffer, n);
        } else if (errno != EINTR) {
            break;
        }
    }
    ::close(pipeFds[0]);
    int status = 0;
    while (child > 0 && ::waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    run.exitCode = child < 0 ? -1 : WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    QList<QByteArray> lines = output.split('\n');
    lines.removeLast(); // what followed the last line break: empty, or a line cut short
    for (const QByteArray& line : lines) {
        if (line.startsWith("cut ")) {
            run.cut = line;
        } else {
            run.lines << line;
        }
    }
    return run;
}

void ReportLine(const QByteArray& line)
{
    const QByteArray bytes = line + '\n';
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.constData() + written, std::size_t(bytes.size() - written));
        if (n <= 0) {
            ::_exit(3);
        }
        written += n;
    }
}
