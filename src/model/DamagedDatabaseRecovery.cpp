#include "model/DamagedDatabaseRecovery.h"

#include "model/ApplicationTitle.h"
#include "model/KnownDatabaseFile.h"
#include "model/RuntimeErrors.h"
#include "platform/FileIdentity.h"
#include "platform/FileSteps.h"
#include "platform/UserPrompts.h"

#include <algorithm>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// More damaged copies than anyone would keep; past it the folder is full of them.
constexpr int MaximumDamagedCopies = 1000;

// A database file as one read found it.
struct Reading {
    fs::path path;
    // Taken before the read: a file changed while it is read is not the file read.
    FileIdentity identity;
    bool whole = false;
    int count = 0;  // the entries it yielded

    bool NoBytes() const { return identity.Exists() && identity.Size() == 0; }
};

// Where a damaged file is kept beside the database.
struct KeptCopy {
    fs::path path;
    // Already a second name of the file: a recovery stopped before its end made it.
    bool made = false;
};

// A damaged file and where it is kept.
struct DamagedFile {
    Reading reading;
    KeptCopy copy;
};

QString Quoted(const fs::path& path)
{
    return "\"" + QString::fromStdString(path.string()) + "\"";
}

class Recovery {
public:
    Recovery(const DatabaseFiles& files, KnownDatabaseFile& known, UserPrompts& prompts,
             const DamagedDatabaseMessages& messages, const RecoverableDatabase& database, FileStepObserver* steps)
        : files_(files), known_(known), prompts_(prompts), messages_(messages), database_(database), steps_(steps)
    {
    }

    // Throws FileError where a file cannot be read, examined or kept aside.
    void Load()
    {
        const Reading def = Read(files_.def);
        if (!def.identity.Exists() || (def.whole && def.count > 0)) {
            known_.Learn(def.identity);
            return;
        }
        // A backup that cannot be read is not an empty one: where the file
        // needs it, neither is touched until it reads again.
        unknown_ = KnownDatabaseFile::Unknown::BackupUnread;
        // A backup that is the file's second name (a save stopped between
        // its renames) offers nothing else.
        const FileIdentity backup = FileIdentity::Of(files_.bak);
        const bool hasBackup = backup.Exists() && backup != def.identity;
        const Reading bak = hasBackup ? Read(files_.bak) : Reading{};
        // No save leaves a file of no bytes, since an emptied database has
        // none: one is damage where the backup holds entries, and an empty
        // database otherwise.
        if (def.NoBytes() && bak.count == 0) {
            database_.clear();
            known_.Learn(def.identity);
            return;
        }
        // Kept aside before anything changes, so that a folder where nothing
        // can be made leaves the files as they are, with one message. A file
        // of no bytes holds nothing to keep.
        unknown_ = KnownDatabaseFile::Unknown::DamagedNotKeptAside;
        std::vector<DamagedFile> damaged;
        if (!def.NoBytes()) damaged.push_back(KeptAside(def, {}));
        unknown_ = KnownDatabaseFile::Unknown::DamagedNotReplaced;
        // A backup that yields no entry is no good backup, nor one to
        // restore: of the two, the one that yields more is kept, the backup
        // when they yield as many, and only its entries are said restored.
        const bool good = bak.whole && bak.count > 0;
        const bool restoring = good || (bak.count > 0 && bak.count >= def.count);
        if (restoring) {
            prompts_.Message(messages_.damaged + "\r\n" + messages_.restoring, "Configuration damaged!",
                             PromptButtons::Ok, PromptIcon::Exclamation);
        }
        if (good) {
            RestoreBackup(bak);
            return;
        }
        if (hasBackup && !bak.NoBytes())
            damaged.push_back(KeptAside(bak, damaged.empty() ? fs::path() : damaged.front().copy.path));
        KeepWhatWasRead(damaged, restoring ? damaged.size() - 1 : 0);
    }

    // Why the database file is not known where the recovery stopped.
    KnownDatabaseFile::Unknown WhyUnknown() const { return unknown_; }

private:
    void Before(FileStep step, const fs::path& path) const
    {
        if (steps_ != nullptr) steps_->Before(step, path);
    }

    // True when the file read whole. A record that cannot be represented
    // and escapes the reader leaves no entry behind, since one may be half
    // made.
    bool TryRead(const fs::path& path) const
    {
        try {
            return database_.read(path);
        } catch (const SubscriptOutOfRange&) {
        } catch (const ValueOverflow&) {
        }
        database_.clear();
        return false;
    }

    Reading Read(const fs::path& path)
    {
        database_.clear();
        lastRead_ = path;
        Reading reading{path, FileIdentity::Of(path)};
        if (!reading.identity.Exists()) return reading;
        reading.whole = TryRead(path);
        reading.count = database_.count();
        // A file that holds bytes but yields no entry is damaged as a cut
        // one is: a power cut often leaves one of zeros.
        if (reading.count == 0 && reading.identity.Size() > 0) reading.whole = false;
        return reading;
    }

    // The first of "Name.DAMAGED", "Name.DAMAGED1", ... beside "Name.DEF"
    // that is free (and not `taken`), so that a damaged file kept at an
    // earlier start is never overwritten; or the one that is already the
    // file's second name.
    KeptCopy CopyOf(const Reading& damaged, const fs::path& taken) const
    {
        const fs::path stem = files_.def.parent_path() / files_.def.stem();
        for (int n = 0; n < MaximumDamagedCopies; ++n) {
            fs::path candidate = stem;
            candidate += n == 0 ? std::string(".DAMAGED") : ".DAMAGED" + std::to_string(n);
            if (candidate == taken) continue;
            const FileIdentity there = FileIdentity::Of(candidate);
            if (!there.Exists()) return {candidate, false};
            if (there == damaged.identity) return {candidate, true};
        }
        throw FileError("no free name to keep '" + damaged.path.string() + "' under");
    }

    // A second name for the damaged file, before anything replaces it.
    DamagedFile KeptAside(const Reading& damaged, const fs::path& taken) const
    {
        const KeptCopy copy = CopyOf(damaged, taken);
        if (!copy.made) {
            Before(FileStep::Link, copy.path);
            KeepAside(damaged.path, copy.path);
            SyncFolder(files_.def.parent_path());
        }
        return {damaged, copy};
    }

    // How much of a damaged file the database kept.
    QString HowMuchWasRead(int count) const
    {
        if (count == 0) return messages_.lost;
        return "Only " + QString::number(count) + " " + (count == 1 ? messages_.entry : messages_.entries) +
               " could be read!";
    }

    // The backup is the database now; the damaged file was kept aside
    // first, so that a stop before the rename finds both again.
    void RestoreBackup(const Reading& bak)
    {
        Before(FileStep::Rename, files_.def);
        RenameFile(files_.bak, files_.def);
        if (database_.renamed) database_.renamed(files_.def);
        SyncFolder(files_.def.parent_path());
        known_.Learn(bak.identity);
    }

    // The damaged file `taken` becomes the database; the message names
    // the other for what it is.
    void KeepWhatWasRead(const std::vector<DamagedFile>& damaged, std::size_t taken)
    {
        const int count = damaged[taken].reading.count;
        QString told = messages_.damaged + "\r\n" + HowMuchWasRead(count) + "\r\nThe damaged file has been kept as " +
                       Quoted(damaged[taken].copy.path) + ".";
        for (std::size_t i = 0; i < damaged.size(); ++i) {
            if (i == taken) continue;
            if (damaged[i].reading.path == files_.def) {
                told += "\r\nThe other damaged file, from which no more could be read, has been kept as ";
            } else if (count == 0) {
                told += "\r\nThe damaged backup, from which nothing could be read either, has been kept as ";
            } else {
                told += "\r\nThe damaged backup, from which fewer could be read, has been kept as ";
            }
            told += Quoted(damaged[i].copy.path) + ".";
        }
        if (count == 0) {
            LoseAll(damaged, told);
        } else {
            WriteWhatWasRead(damaged, damaged[taken].reading, told);
        }
    }

    // Nothing could be read: the database is empty, as one saved empty
    // leaves no ".DEF". The user is told before the damaged files go, so
    // that a stop in between finds the damaged ".DEF" again; the backup
    // goes first for the same reason.
    void LoseAll(const std::vector<DamagedFile>& damaged, const QString& told)
    {
        prompts_.Message(told, ApplicationTitle, PromptButtons::Ok, PromptIcon::None);
        for (std::size_t i = damaged.size(); i-- > 0;) {
            Before(FileStep::Remove, damaged[i].reading.path);
            DeleteFileIfExists(damaged[i].reading.path);
        }
        SyncFolder(files_.def.parent_path());
        known_.Learn(files_.def);
    }

    // The entries read are written as the new ".DEF" over the damaged one.
    // The user is told once the new file is complete, before it takes the
    // ".DEF"'s place.
    void WriteWhatWasRead(const std::vector<DamagedFile>& damaged, const Reading& taken, const QString& told)
    {
        // The entries in memory are those of the file read last.
        if (taken.path != lastRead_) Read(taken.path);
        const int count = taken.count;
        const DatabaseRecords records = database_.records();
        // Entries dropped on the way (IR commands that could not be read)
        // were told of already; nothing is written, and a refused save
        // names the file they failed in.
        if (database_.count() != count) {
            known_.Forget(taken.path == files_.bak ? KnownDatabaseFile::Unknown::BackupUnread
                                                   : KnownDatabaseFile::Unknown::Unread);
            return;
        }
        try {
            Before(FileStep::Create, files_.tmp);
            WriteRecordFileThenPlace(files_.tmp, records.recordLength, records.write, [&] {
                prompts_.Message(told, ApplicationTitle, PromptButtons::Ok, PromptIcon::Exclamation);
                Before(FileStep::Rename, files_.def);
                RenameFile(files_.tmp, files_.def);
                SyncFolder(files_.def.parent_path());
            });
        } catch (const FileError& error) {
            // The damaged file stays the database file, for the next start
            // to read again, and no save of this session touches it. The
            // copies are second names of files still in place.
            for (const DamagedFile& file : damaged) DeleteFileIfExists(file.copy.path);
            known_.Forget(KnownDatabaseFile::Unknown::DamagedNotReplaced);
            prompts_.Message(messages_.damaged + "\r\n" + HowMuchWasRead(count) +
                                 "\r\nWhat could be read could not be saved: " + QString::fromStdString(error.cause()) +
                                 "\r\nThe damaged file stays as " + Quoted(files_.def) +
                                 ", to be read again at the next start.",
                             ApplicationTitle, PromptButtons::Ok, PromptIcon::Exclamation);
            return;
        }
        known_.Learn(files_.def);
        // A damaged backup, kept aside, goes only now: until the new file
        // stood, the next start needed it to recover the same again.
        for (const DamagedFile& file : damaged) {
            if (file.reading.path == files_.def) continue;
            Before(FileStep::Remove, file.reading.path);
            DeleteFileIfExists(file.reading.path);
        }
        SyncFolder(files_.def.parent_path());
    }

    const DatabaseFiles& files_;
    KnownDatabaseFile& known_;
    UserPrompts& prompts_;
    const DamagedDatabaseMessages& messages_;
    const RecoverableDatabase& database_;
    FileStepObserver* steps_;
    KnownDatabaseFile::Unknown unknown_ = KnownDatabaseFile::Unknown::Unread;
    fs::path lastRead_;  // whose entries the database holds
};

}  // namespace

void LoadDatabaseWithRecovery(const DatabaseFiles& files, KnownDatabaseFile& known, UserPrompts& prompts,
                              const DamagedDatabaseMessages& messages, const RecoverableDatabase& database,
                              FileStepObserver* steps)
{
    known.Forget();
    Recovery recovery(files, known, prompts, messages, database, steps);
    try {
        recovery.Load();
    } catch (const FileError& error) {
        database.clear();
        known.Forget(recovery.WhyUnknown());
        TellUnavailable(prompts, messages, error);
    }
}

void TellUnavailable(UserPrompts& prompts, const DamagedDatabaseMessages& messages, const FileError& error)
{
    prompts.Message(messages.unavailable + "\r\n" + QString::fromStdString(error.what()), ApplicationTitle,
                    PromptButtons::Ok, PromptIcon::Exclamation);
}
