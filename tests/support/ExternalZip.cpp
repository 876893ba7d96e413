#include "support/ExternalZip.h"

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QByteArray Run(const QString& program, const QStringList& arguments, const QByteArray& input = {},
               const std::filesystem::path& folder = {})
{
    QProcess process;
    if (!folder.empty()) process.setWorkingDirectory(QString::fromStdString(folder.string()));
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForStarted()) << program.toStdString() << " did not start";
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

QString Path(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

// Members travel between python and the tests as hex, one "name\thex" a line.
const char* const readScript = R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    for info in z.infolist():
        sys.stdout.write(info.filename + "\t" + z.read(info).hex() + "\n")
)";

const char* const writeScript = R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED) as z:
    for line in sys.stdin.read().splitlines():
        name, data = line.split("\t")
        z.writestr(zipfile.ZipInfo(bytes.fromhex(name).decode("latin-1")), bytes.fromhex(data))
)";

}  // namespace

namespace ExternalZip {

std::vector<std::string> ListMembers(const std::filesystem::path& archive)
{
    std::vector<std::string> names;
    const QByteArray listing = Run("unzip", {"-Z1", Path(archive)});
    for (const QByteArray& line : listing.split('\n')) {
        if (!line.isEmpty()) names.push_back(line.toStdString());
    }
    return names;
}

std::map<std::string, std::string> ReadMembers(const std::filesystem::path& archive)
{
    std::map<std::string, std::string> members;
    const QByteArray listing = Run("python3", {"-c", readScript, Path(archive)});
    for (const QByteArray& line : listing.split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab < 0) continue;
        members[line.left(tab).toStdString()] = QByteArray::fromHex(line.mid(tab + 1)).toStdString();
    }
    return members;
}

void ZipFiles(const std::filesystem::path& folder, const std::string& option, const std::filesystem::path& archive,
              const std::vector<std::string>& names)
{
    QStringList arguments{"-q", QString::fromStdString(option), Path(archive)};
    for (const std::string& name : names) arguments << QString::fromStdString(name);
    Run("zip", arguments, {}, folder);
}

void WriteRawArchive(const std::filesystem::path& archive, const std::map<std::string, std::string>& members)
{
    QByteArray input;
    for (const auto& [name, data] : members) {
        input += QByteArray::fromStdString(name).toHex() + '\t' + QByteArray::fromStdString(data).toHex() + '\n';
    }
    Run("python3", {"-c", writeScript, Path(archive)}, input);
}

}  // namespace ExternalZip
