// A recovery from a damaged database file stopped before each of its file
// steps in turn, as a kill, a crash, a power cut or a logout stops it: the
// start after it holds what the recovery told could be read (or the
// backup's), the user is told, and no damaged file's bytes are lost.
#include "model/ApplicationState.h"
#include "platform/FileSteps.h"
#include "platform/UserPrompts.h"
#include "support/DatabaseKinds.h"
#include "support/TempProgramFolder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The user, answering OK to every message and noting its text; in a process
// that may be stopped, each text also goes down a pipe at once.
class NotingPrompts final : public UserPrompts {
public:
    explicit NotingPrompts(int pipe = -1) : pipe_(pipe) {}
    QStringList told;

    PromptAnswer Message(const QString& text, const QString&, PromptButtons, PromptIcon) override
    {
        told.push_back(text);
        if (pipe_ >= 0) {
            const QByteArray bytes = text.toUtf8() + '\0';
            if (::write(pipe_, bytes.data(), static_cast<std::size_t>(bytes.size())) != bytes.size()) ::_exit(2);
        }
        return PromptAnswer::Ok;
    }
    std::optional<QString> ChooseFileToOpen(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> ChooseFileToSave(const FileDialogRequest&) override { return std::nullopt; }

private:
    int pipe_;
};

constexpr int StoppedExit = 0;
constexpr int FinishedExit = 3;

// Ends the process before its n-th file step, as a kill would: nothing
// after it runs, no destructor, no clean-up.
class StopBeforeStep final : public FileStepObserver {
public:
    explicit StopBeforeStep(int step) : step_(step) {}
    void Before(FileStep, const fs::path&) override
    {
        if (++steps_ == step_) ::_exit(StoppedExit);
    }

private:
    int step_;
    int steps_ = 0;
};

struct StoppedStart {
    bool stopped = false;
    QStringList told;
};

// A start whose first use of the database, in a process of its own, is
// stopped before file step `step`.
StoppedStart StartStoppedBefore(const DatabaseKind& database, const fs::path& folder, int step)
{
    int pipe[2];
    if (::pipe(pipe) != 0) throw std::runtime_error("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        NotingPrompts prompts(pipe[1]);
        StopBeforeStep stop(step);
        ApplicationState state(folder, prompts);
        database.watchRecovery(state, &stop);
        database.manufacturers(state);
        ::_exit(FinishedExit);
    }
    ::close(pipe[1]);
    QByteArray said;
    char chunk[4096];
    for (ssize_t got; (got = ::read(pipe[0], chunk, sizeof chunk)) != 0;) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) break;
        said.append(chunk, got);
    }
    ::close(pipe[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    EXPECT_TRUE(WIFEXITED(status) && (WEXITSTATUS(status) == StoppedExit || WEXITSTATUS(status) == FinishedExit))
        << "the stopped start ended otherwise: " << status;
    StoppedStart start;
    start.stopped = WIFEXITED(status) && WEXITSTATUS(status) == StoppedExit;
    for (const QByteArray& text : said.split('\0'))
        if (!text.isEmpty()) start.told.push_back(QString::fromUtf8(text));
    return start;
}

// Whether some file of the folder holds exactly these bytes.
bool SomeFileHolds(const TempProgramFolder& folder, const std::string& bytes)
{
    for (const auto& entry : fs::directory_iterator(folder.path()))
        if (entry.is_regular_file() && folder.ReadBytes(entry.path().filename()) == bytes) return true;
    return false;
}

// The damaged ".DEF" and the ".BAK" beside it (none when nullopt), and what
// the database holds once they are recovered.
struct Recovery {
    const char* label;
    std::function<std::string(const DatabaseKind&)> def;
    std::function<std::optional<std::string>(const DatabaseKind&)> bak;
    Names recovered;
};

const std::vector<Recovery>& Recoveries()
{
    const auto none = [](const DatabaseKind&) -> std::optional<std::string> { return std::nullopt; };
    const auto cutFour = [](const DatabaseKind& d) { return CutShort(d, {"D1", "D2", "D3", "D4"}); };
    const auto noBytes = [](const DatabaseKind&) { return std::string(); };
    static const std::vector<Recovery> recoveries = {
        {"a cut file without a backup", cutFour, none, {"D1", "D2", "D3"}},
        {"a file of zeros without a backup", Zeros, none, {}},
        {"a cut file with a good backup",
         cutFour,
         [](const DatabaseKind& d) {
             return SavedBytes(d, {"B1", "B2"});
         },
         {"B1", "B2"}},
        {"a file of zeros with a good backup",
         Zeros,
         [](const DatabaseKind& d) {
             return SavedBytes(d, {"B1", "B2"});
         },
         {"B1", "B2"}},
        {"both cut, the file yielding more",
         cutFour,
         [](const DatabaseKind& d) {
             return CutShort(d, {"B1", "B2"});
         },
         {"D1", "D2", "D3"}},
        {"both cut, the backup yielding more",
         [](const DatabaseKind& d) {
             return CutShort(d, {"D1", "D2"});
         },
         [](const DatabaseKind& d) {
             return CutShort(d, {"B1", "B2", "B3"});
         },
         {"B1", "B2"}},
        {"both of zeros", Zeros, [](const DatabaseKind& d) -> std::optional<std::string> { return Zeros(d); }, {}},
        // No save leaves a file of no bytes: beside a backup of entries, one is damage.
        {"a file of no bytes with a good backup",
         noBytes,
         [](const DatabaseKind& d) {
             return SavedBytes(d, {"B1", "B2"});
         },
         {"B1", "B2"}},
        {"a file of no bytes with a cut backup",
         noBytes,
         [](const DatabaseKind& d) {
             return CutShort(d, {"B1", "B2"});
         },
         {"B1"}},
        // A backup that yields nothing is no good backup.
        {"a cut file with a backup of no bytes", cutFour, noBytes, {"D1", "D2", "D3"}},
        {"a cut file with a backup of zeros", cutFour, Zeros, {"D1", "D2", "D3"}},
        {"a file of zeros with a backup of no bytes", Zeros, noBytes, {}},
    };
    return recoveries;
}

}  // namespace

TEST(DatabaseRecoveryStop, AStartAfterARecoveryStoppedAtAnyStepRecoversAllAndTells)
{
    for (const DatabaseKind& database : DatabaseKinds()) {
        for (const Recovery& recovery : Recoveries()) {
            const std::string def = recovery.def(database);
            const std::optional<std::string> bak = recovery.bak(database);
            const std::string name = database.files;
            bool stopped = true;
            for (int step = 1; stopped; ++step) {
                SCOPED_TRACE(std::string(database.label) + ", " + recovery.label + ", stopped before step " +
                             std::to_string(step));
                TempProgramFolder folder;
                folder.WriteBytes(name + ".DEF", def);
                if (bak) folder.WriteBytes(name + ".BAK", *bak);
                const StoppedStart first = StartStoppedBefore(database, folder.path(), step);
                stopped = first.stopped;

                NotingPrompts prompts;
                {
                    const ApplicationState next(folder.path(), prompts);
                    EXPECT_EQ(database.manufacturers(next), recovery.recovered);
                }
                const QStringList told = first.told + prompts.told;
                EXPECT_TRUE(std::ranges::any_of(told, [&](const QString& text) {
                    return text.startsWith(QString(database.damaged) + "\r\n");
                })) << "never told";
                // A file of no bytes holds nothing to keep.
                EXPECT_TRUE(def.empty() || SomeFileHolds(folder, def)) << "the damaged file is lost";
                EXPECT_TRUE(!bak || SomeFileHolds(folder, *bak)) << "the backup is lost";

                // Done: a further start is silent and finds the same.
                NotingPrompts quiet;
                const ApplicationState after(folder.path(), quiet);
                EXPECT_EQ(database.manufacturers(after), recovery.recovered);
                EXPECT_EQ(quiet.told, QStringList{});
            }
        }
    }
}
