#include "ModelBuilders.h"
#include "devicelink/ImageDownload.h"
#include "devicelink/SerialLink.h"
#include "infrared/IRExchangeFile.h"
#include "model/ApplicationState.h"
#include "model/ConfigText.h"
#include "model/DeviceTypes.h"
#include "platform/Registry.h"
#include "platform/WholeFile.h"
#include "rs232/RS232ExchangeFile.h"
#include "support/ConfigurationSamples.h"
#include "support/CopyAnswers.h"
#include "support/DatabaseInput.h"
#include "support/DeviceReplies.h"
#include "support/SilentPrompts.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

// Writes the seed corpora of the fuzz targets with the editor's own writers:
// fuzz_seed_writer fuzz/corpus. Each seed is a file the editor itself
// writes (or, for the serial line, what a working controller answers).
namespace {

using Replies = std::vector<std::vector<uint8_t>>;

class SeedWriter {
public:
    explicit SeedWriter(fs::path corpus) : corpus_(std::move(corpus)) {}

    void Copy(const std::string& target, const std::string& name, const fs::path& from) const
    {
        Put(target, name, ReadWholeFile(from));
    }
    void Put(const std::string& target, const std::string& name, const std::string& bytes) const
    {
        fs::create_directories(corpus_ / target);
        WriteWholeFile(corpus_ / target / name, bytes);
        std::printf("%s/%s: %zu bytes\n", target.c_str(), name.c_str(), bytes.size());
    }
    void PutReplies(const std::string& target, const std::string& name, uint8_t first, const Replies& replies) const
    {
        std::string bytes(1, static_cast<char>(first));
        for (const uint8_t byte : DeviceReplies::Encode(replies)) bytes.push_back(static_cast<char>(byte));
        Put(target, name, bytes);
    }

private:
    fs::path corpus_;
};

// A state in a fresh folder, with two libraries of each kind and two
// projector definitions, the default configuration using one of each
// library (a configuration of random values would not compress, and the
// archive seed would be large).
struct FilledState {
    QTemporaryDir dir;
    SilentPrompts prompts;
    std::unique_ptr<ApplicationState> state = std::make_unique<ApplicationState>(dir.path().toStdString(), prompts);

    FilledState()
    {
        ApplicationState& s = *state;
        for (const char* model : {"PJ-100", "PJ-200"}) {
            s.Projectors.AddProjectorDefinition();
            ModelBuilders::FillProjector(s.Projectors.ProjectorDatabase()[s.Projectors.ProjectorDatabase().LastIndex()],
                                         "ACME", model);
            s.RS232Libraries.AddRS232Library();
            ModelBuilders::FillLibrary(s.RS232Libraries.RS232Database()[s.RS232Libraries.RS232Database().LastIndex()],
                                       "ACME", "PROJECTOR", model);
            IRclass& library = s.IR.AddIRLibrary();
            library.Manufacturer("SONIQ");
            library.IRtype("TV");
            library.Model(model);
            library.Comment("Learned from the remote");
            for (int k = 0; k < 2; ++k) {
                IRCommandClass& command = library.AddIRCommand();
                command.Name("KEY" + std::to_string(k));
                command.Mode(static_cast<uint8_t>(k));
                for (int i = 0; i < IRCommandClass::DataLength; ++i)
                    command.Data(IRPart::Start, i, static_cast<uint8_t>(k * 7 + i));
            }
        }
        for (InputIRRecord& input : s.Config.Record.InputIRRecords) input.DeviceSelected = false;
        for (ConfigSerialSlotRecord& slot : s.Config.Record.ConfigSerialSlots) slot.IsFromLibrary = false;
        InputIRRecord& input = s.Config.Record.InputIRRecords[0];
        input.DeviceSelected = true;
        input.Manufacturer = "SONIQ";
        input.IRtype = "TV";
        input.Model = "PJ-100";
        ConfigSerialSlotRecord& slot = s.Config.Record.ConfigSerialSlots[0];
        slot.IsFromLibrary = true;
        slot.Manufacturer = "ACME";
        slot.MyType = "PROJECTOR";
        slot.Model = "PJ-200";
    }
    fs::path Folder() const { return state->ProgramFolder; }
};

void WriteFileSeeds(const SeedWriter& out)
{
    FilledState filled;
    ApplicationState& state = *filled.state;

    state.Projectors.SaveProjectorDatabase();
    out.Copy("projector_database", "two-definitions.DEF", filled.Folder() / "Projectors.DEF");
    state.RS232Libraries.SaveRS232Database();
    out.Copy("rs232_database", "two-libraries.DEF", filled.Folder() / "RS232Serials.DEF");
    state.IR.SaveIRDatabase();
    out.Copy("ir_database", "two-libraries.DEF", filled.Folder() / "InfraRed.DEF");
    // Each database cut one byte short, beside its whole backup.
    for (const auto& [target, file] :
         {std::pair{"projector_database", "Projectors.DEF"}, std::pair{"rs232_database", "RS232Serials.DEF"},
          std::pair{"ir_database", "InfraRed.DEF"}}) {
        const std::string whole = ReadWholeFile(filled.Folder() / file);
        out.Put(target, "cut-with-backup.DEF", whole.substr(0, whole.size() - 1) + DatabaseInput::BackupMarker + whole);
    }
    WriteIRExchangeFile(state.IR, {0, 1}, filled.Folder() / "Export.BRI");
    out.Copy("ir_exchange_file", "two-libraries.BRI", filled.Folder() / "Export.BRI");

    PrepareTempFolder(state);
    WriteIRLibraryFiles(state);
    WriteRS232LibraryFiles(state);
    out.Copy("ir_record_file", "library.IRT", state.Archive.ConfigTempFolder / "IR000.IRT");
    out.Copy("rs232_record_file", "library.RST", state.Archive.ConfigTempFolder / "RS000.RST");
    WriteRS232ExchangeFile(state.RS232Libraries, {1, 0}, filled.Folder() / "Export.BRS");
    out.Copy("rs232_exchange_file", "two-libraries.BRS", filled.Folder() / "Export.BRS");

    // The whole text runs to well over 100 KB; its first part carries every
    // kind of value, and an archive below carries the whole of it.
    auto filledRecord = std::make_unique<ConfigurationRecord>();
    FillEveryVariable(*filledRecord, 7);
    out.Put("config_text", "filled-start.tmp", ConfigTextOf(*filledRecord).substr(0, 12000));
    const auto defaults = std::make_unique<ConfigurationRecord>();
    out.Put("config_text", "default-start.tmp", ConfigTextOf(*defaults).substr(0, 12000));

    SaveConfigurationFile(state, filled.Folder() / "Libraries.tvl");
    out.Copy("archive_open", "with-libraries.tvl", filled.Folder() / "Libraries.tvl");
    state.Config.ClearConfiguration();
    SaveConfigurationFile(state, filled.Folder() / "Default.tvl");
    out.Copy("archive_open", "default.tvl", filled.Folder() / "Default.tvl");

    Registry registry(filled.Folder() / "registry");
    DeviceTypeTable table;
    LoadDeviceTypes(table, registry);
    out.Copy("device_types", "built-in", registry.File());
}

// The line's replies in the order the link waits for them: the break pulse,
// the six probe bytes and the 'D' take one wait each, the identity wait one
// more when fewer than five bytes have come; a frame waits once after its
// address and once for the acknowledgement.
void WriteLineSeeds(const SeedWriter& out)
{
    const uint8_t identity = 50, major = 1, minor = 0;
    const std::vector<uint8_t> reply{identity, major, minor, static_cast<uint8_t>(255 - identity - major - minor)};
    const std::vector<uint8_t> acknowledgement{SerialLink::Acknowledgement, 0x00};
    Replies found(8);
    found.push_back(reply);
    out.PutReplies("find_pod", "found-at-9600", 0, found);

    Replies restarted = found;
    restarted.emplace_back();
    restarted.push_back(acknowledgement);
    out.PutReplies("find_pod", "found-and-restarted", 1, restarted);

    // Seven bytes: the identity stands two bytes in, one byte follows it.
    Replies echoed(8);
    std::vector<uint8_t> longReply{'E', 'C'};
    longReply.insert(longReply.end(), reply.begin(), reply.end());
    longReply.push_back(0x99);
    echoed.push_back(longReply);
    out.PutReplies("find_pod", "reply-after-echo", 0, echoed);

    // The download: the length, whether replies keep their turn, then how
    // each copy is answered.
    using Copy = CopyAnswers::Copy;
    using Kind = VirtualDevice::Kind;
    out.Put("image_download", "three-blocks-acknowledged", std::string{2, 1});
    out.Put("image_download", "two-blocks-retried",
            std::string{1 | (3 << 5), 1} + CopyAnswers::Encode({{Kind::Refuse}, {Kind::Silent}, {}, {Kind::Silent}}));
    // A device whose delay grew, then a block never answered.
    out.Put("image_download", "late-then-silent",
            std::string{3, 0} + CopyAnswers::Encode({{Kind::Acknowledge, 600},
                                                     {Kind::Acknowledge, 1200},
                                                     {Kind::Acknowledge, 1200},
                                                     {Kind::Silent},
                                                     {Kind::Silent},
                                                     {Kind::Silent},
                                                     {Kind::Silent}}));
    // A reply lost on the line, the copy after it answered; then a block
    // that goes again, never answered.
    out.Put("image_download", "lost-then-silent",
            std::string{4, 0} +
                CopyAnswers::Encode(
                    {{}, {Kind::Lost}, {}, {}, {Kind::Silent}, {Kind::Silent}, {Kind::Silent}, {Kind::Silent}}));
    // Every reply's second byte well after its first.
    out.Put("image_download", "split-replies",
            std::string{2, 1} + CopyAnswers::Encode(std::vector<Copy>(8, Copy{Kind::Acknowledge, 0, 600})));

    // A capture: the port's opening waits once before the probe; each command
    // waits after its address, for its acknowledgement and for its reply.
    const std::vector<uint8_t> podReply{CapturePodReply, 2, 5, static_cast<uint8_t>(255 - CapturePodReply - 2 - 5)};
    Replies capture(9);
    capture.push_back(podReply);
    for (const std::vector<uint8_t>& answer :
         Replies{{0x5A, 0xA5, 0x00}, {0x2A, 0x3C, 0x99, 0x00}, {0x07, 0xF8, 0x00}}) {
        capture.emplace_back();
        capture.push_back(acknowledgement);
        capture.push_back(answer);
    }
    for (uint8_t block = 0; block < 32; ++block) {
        std::vector<uint8_t> reply{0xF0, 0x0D, block, block, 1, 2, 3, 4, 5, 6, 7, 0x00};
        int sum = 0;
        for (std::size_t i = 2; i < reply.size(); ++i) sum += reply[i];
        reply.push_back(static_cast<uint8_t>((255 - sum) & 255));
        reply.push_back(0x00);
        capture.emplace_back();
        capture.push_back(reply);
    }
    for (int packet = 0; packet < 33; ++packet) {
        capture.emplace_back();
        capture.push_back(acknowledgement);
    }
    out.PutReplies("capture_pod", "captured-read-and-played", 0, capture);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-folder\n", argv[0]);
        return 2;
    }
    const SeedWriter out(argv[1]);
    WriteFileSeeds(out);
    WriteLineSeeds(out);
    return 0;
}
